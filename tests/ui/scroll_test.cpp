// The scrolling strip of the About box and the thread that moves it.
#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QThread>
#include <QtTest/QTest>

#include "ui/image_control.h"
#include "ui/scroll_strip.h"
#include "ui/scroll_thread.h"

namespace tnx::ui::test {
namespace {

const QColor kFace(212, 208, 200);
const QColor kInk(0, 0, 0);

QString Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QString("Строка %1").arg(i);
    return lines.join("\r\n");
}

TScrollStrip Strip(const QString& text, QSize window) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return TScrollStrip(text, window, kFace, kInk, font);
}

// Rows [from, to) of image hold a pixel other than the face colour.
bool Inked(const QImage& image, int from, int to) {
    for (int y = from; y < to; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != kFace) return true;
    return false;
}

TEST(ScrollStrip, TenLinesInTwoHundredPixelsRunZeroTo402ThenRestart) {
    TScrollStrip strip = Strip(Lines(10), QSize(377, 200));
    EXPECT_EQ(strip.Strip().size(), QSize(377, 404));
    EXPECT_EQ(strip.LastOffset(), 402);

    QImage target(377, 200, QImage::Format_RGB32);
    std::vector<int> offsets;
    for (int i = 0; i < 2 * 403 + 1; ++i) {
        offsets.push_back(strip.Offset());
        strip.Step(target);
    }
    for (int i = 0; i < static_cast<int>(offsets.size()); ++i) ASSERT_EQ(offsets[i], i % 403) << "step " << i;
}

TEST(ScrollStrip, TextEntersFromBelowAndLeavesABlankWindowAtTheEnd) {
    TScrollStrip strip = Strip(Lines(10), QSize(377, 200));
    const QImage& s = strip.Strip();
    EXPECT_FALSE(Inked(s, 0, 200)) << "the first window is blank";
    EXPECT_TRUE(Inked(s, 200, 218)) << "line 0 starts at the image height";
    EXPECT_TRUE(Inked(s, 200 + 18 * 9, 200 + 18 * 10)) << "line 9, 18 rows further per line";
    EXPECT_FALSE(Inked(s, 200 + 18 * 10 + 2, s.height())) << "nothing below the last line";

    // Each step shows the strip at its offset, then moves on by one row.
    QImage target(377, 200, QImage::Format_RGB32);
    for (int i = 0; i < 150; ++i) strip.Step(target);
    EXPECT_EQ(target, s.copy(0, 149, 377, 200));
    EXPECT_TRUE(Inked(target, 0, 200));

    // Past the strip's end the window shows the face colour, not stale rows.
    target.fill(Qt::red);
    while (strip.Offset() != strip.LastOffset()) strip.Step(target);
    strip.Step(target);
    EXPECT_FALSE(Inked(target, 0, 200));
    EXPECT_EQ(strip.Offset(), 0);
}

TEST(ScrollStrip, SplitsAtEveryKindOfLineBreakAndKeepsTheOffsetIn16Bits) {
    EXPECT_EQ(TScrollStrip::SplitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));

    // A line wider than the window is wrapped at its spaces, keeping its indentation.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance("x") * 20;
    const QStringList wrapped = TScrollStrip::WrapLines(
        {"   Общедоступные сведения о Ташкентском метрополитене,", "   коротко", "   Сверхдлинноесловобезпробелов"},
        metrics, width);
    EXPECT_EQ(wrapped, (QStringList{"   Общедоступные", "   сведения о", "   Ташкентском", "   метрополитене,",
                                    "   коротко", "   Сверхдлинноеслов", "   обезпробелов"}));
    for (const QString& line : wrapped) EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
    EXPECT_EQ(TScrollStrip::SplitLines(""), QStringList{""}) << "a text has at least one line";
    EXPECT_EQ(Strip("", QSize(50, 20)).Strip().height(), 20 + 20 + 4);

    const TScrollStrip tall = Strip(Lines(5000), QSize(100, 200));
    EXPECT_LE(tall.Strip().height(), 65535);
    EXPECT_LE(tall.LastOffset(), 65535);
    EXPECT_EQ(tall.Lines().size(), (65535 - 204) / 20) << "as many lines as fit";
}

class ScrollThread : public ::testing::Test {
protected:
    void SetUp() override {
        image.resize(120, 60);
        image.Picture() = QImage(120, 60, QImage::Format_RGB32);
        image.Picture().fill(Qt::red);
    }
    TImage image;
};

TEST_F(ScrollThread, StepsRunOnTheMainThreadUntilAskedToStop) {
    TScroll scroll(Lines(3), &image);
    EXPECT_TRUE(scroll.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(scroll.Steps() >= 3, 2000);
    EXPECT_NE(image.Picture().pixelColor(0, 0), QColor(Qt::red)) << "the window was copied into the image";
    EXPECT_EQ(scroll.Strip().Offset(), scroll.Steps()) << "one row per step";

    scroll.Stop();
    QElapsedTimer stopping;
    stopping.start();
    QTRY_VERIFY_WITH_TIMEOUT(scroll.isFinished(), 1000);
    EXPECT_LT(stopping.elapsed(), 200) << "ends within about one pause";
    const int steps = scroll.Steps();
    QTest::qWait(60);
    EXPECT_EQ(scroll.Steps(), steps) << "no step after the stop";
}

TEST_F(ScrollThread, DestroyingItWhileItWaitsForTheMainThreadDoesNotHang) {
    QElapsedTimer timer;
    timer.start();
    {
        TScroll scroll(Lines(3), &image);
        // The main thread never runs the step the thread is waiting for.
        QThread::msleep(50);
    }
    EXPECT_LT(timer.elapsed(), 1000);
    // The step it had queued is dropped with it.
    QApplication::processEvents();
    EXPECT_EQ(image.Picture().pixelColor(0, 0), QColor(Qt::red));
}

}  // namespace
}  // namespace tnx::ui::test
