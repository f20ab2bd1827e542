#include "ui/scroll_strip.h"

#include <QPainter>
#include <QRegularExpression>

namespace tnx::ui {

QStringList TScrollStrip::SplitLines(const QString& text) {
    static const QRegularExpression lineBreak("\r\n|\n|\r");
    return text.split(lineBreak);
}

TScrollStrip::TScrollStrip(const QString& text, QSize window, const QColor& face, const QColor& ink,
                           const QFont& font)
    : lines_(SplitLines(text)), window_(window), face_(face) {
    const int maxLines = std::max(1, (kMaxHeight - window_.height() - 4) / kLineStep);
    if (lines_.size() > maxLines) lines_ = lines_.mid(0, maxLines);

    strip_ = QImage(window_.width(), kLineStep * static_cast<int>(lines_.size()) + window_.height() + 4,
                    QImage::Format_RGB32);
    strip_.fill(face_);
    QPainter painter(&strip_);
    painter.setFont(font);
    painter.setPen(ink);
    for (int i = 0; i < lines_.size(); ++i)
        painter.drawText(QRect(kLeftMargin, window_.height() + kLinePitch * i, window_.width() - kLeftMargin,
                               kLineStep),
                         Qt::AlignLeft | Qt::AlignTop, lines_[i]);
}

int TScrollStrip::LastOffset() const {
    return kLineStep * static_cast<int>(lines_.size()) + window_.height() + 2;
}

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
