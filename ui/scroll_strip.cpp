#include "ui/scroll_strip.h"

#include <QPainter>
#include <QRegularExpression>

namespace tnx::ui {

QStringList TScrollStrip::SplitLines(const QString& text) {
    static const QRegularExpression lineBreak("\r\n|\n|\r");
    return text.split(lineBreak);
}

QStringList TScrollStrip::WrapLines(const QStringList& lines, const QFontMetrics& metrics, int width) {
    QStringList wrapped;
    for (const QString& line : lines) {
        qsizetype indent = 0;
        while (indent < line.size() && line[indent] == ' ') ++indent;
        const QString lead = line.left(indent);
        QString rest = line;
        while (metrics.horizontalAdvance(rest) > width) {
            // The last space that leaves the part within the width, past the indentation.
            qsizetype cut = -1;
            for (qsizetype at = rest.indexOf(' ', lead.size()); at > 0; at = rest.indexOf(' ', at + 1)) {
                if (metrics.horizontalAdvance(rest.left(at)) > width) break;
                cut = at;
            }
            if (cut <= lead.size()) {  // one word wider than the window: cut it
                cut = lead.size() + 1;
                while (cut < rest.size() && metrics.horizontalAdvance(rest.left(cut + 1)) <= width) ++cut;
                wrapped << rest.left(cut);
                rest = lead + rest.mid(cut);
                continue;
            }
            wrapped << rest.left(cut);
            rest = lead + rest.mid(cut + 1);
        }
        wrapped << rest;
    }
    return wrapped;
}

TScrollStrip::TScrollStrip(const QString& text, QSize window, const QColor& face, const QColor& ink, const QFont& font)
    : lines_(WrapLines(SplitLines(text), QFontMetrics(font), window.width() - kLeftMargin - 2)), window_(window),
      face_(face) {
    const int maxLines = std::max(1, (kMaxHeight - window_.height() - 4) / kLineStep);
    if (lines_.size() > maxLines) lines_ = lines_.mid(0, maxLines);

    strip_ = QImage(window_.width(), kLineStep * static_cast<int>(lines_.size()) + window_.height() + 4,
                    QImage::Format_RGB32);
    strip_.fill(face_);
    QPainter painter(&strip_);
    painter.setFont(font);
    painter.setPen(ink);
    for (int i = 0; i < lines_.size(); ++i)
        painter.drawText(
            QRect(kLeftMargin, window_.height() + kLinePitch * i, window_.width() - kLeftMargin, kLineStep),
            Qt::AlignLeft | Qt::AlignTop, lines_[i]);
}

int TScrollStrip::LastOffset() const { return kLineStep * static_cast<int>(lines_.size()) + window_.height() + 2; }

void TScrollStrip::Step(QImage& target) {
    {
        QPainter painter(&target);
        painter.fillRect(QRect(QPoint(0, 0), window_), face_);
        painter.drawImage(QPoint(0, 0), strip_, QRect(QPoint(0, offset_), window_));
    }
    ++offset_;
    if (offset_ > LastOffset()) offset_ = 0;
}

}  // namespace tnx::ui
