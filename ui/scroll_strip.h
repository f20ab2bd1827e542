// The tall pre-drawn text strip of a scrolling tab and the window onto it.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QStringList>

namespace tnx::ui {

class TScrollStrip {
public:
    static constexpr int kLineStep = 20;   // rows reserved per line in the strip's height
    static constexpr int kLinePitch = 18;  // rows between the tops of two drawn lines
    static constexpr int kLeftMargin = 5;
    static constexpr int kMaxHeight = 65535;  // the offset is 16-bit

    // The text is split at its line breaks (CR LF, LF or CR), and a line wider than the
    // window is wrapped at its spaces, each part indented as the line is; a text too long
    // for the 16-bit offset keeps only the lines that fit.
    TScrollStrip(const QString& text, QSize window, const QColor& face, const QColor& ink, const QFont& font);

    const QImage& Strip() const { return strip_; }
    const QStringList& Lines() const { return lines_; }
    int Offset() const { return offset_; }
    // The largest offset before the window starts again from the top.
    int LastOffset() const;

    // Copies the window at the current offset into target (top-left, window size;
    // rows past the strip's end stay in the face colour) and moves one row on.
    void Step(QImage& target);

    static QStringList SplitLines(const QString& text);
    // Each line as parts no wider than width in metrics; a word wider than that alone is cut.
    static QStringList WrapLines(const QStringList& lines, const QFontMetrics& metrics, int width);

private:
    QStringList lines_;
    QSize window_;
    QColor face_;
    QImage strip_;
    int offset_ = 0;
};

}  // namespace tnx::ui
