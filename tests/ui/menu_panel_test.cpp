#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QtTest/QTest>

#include "ui/menu_panel.h"

namespace tnx::ui::test {
namespace {

class MenuPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.setGeometry(0, 0, 16, 16);
        panel.SetColor(QColor(0, 0, 255));
        panel.ApplicationActive = [this] { return active; };
        QObject::connect(&panel, &TMenuPanel::Click, [this](TMenuPanel* sender) {
            EXPECT_EQ(sender, &panel);
            ++clicks;
        });
    }
    void Enter() {
        QEnterEvent event(QPointF(8, 8), QPointF(8, 8), QPointF(8, 8));
        QApplication::sendEvent(&panel, &event);
    }
    void Leave() {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&panel, &event);
    }
    QImage Look() { return panel.grab().toImage(); }

    TMenuPanel panel;
    bool active = true;
    int clicks = 0;
};

TEST_F(MenuPanelTest, StartsFlatAndAqua) {
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::None);
    EXPECT_EQ(panel.FontColor(), QColor(0, 255, 255));
    const QImage look = Look();
    EXPECT_EQ(look.pixelColor(0, 0), QColor(0, 0, 255)) << "no frame at rest";
    EXPECT_EQ(look.pixelColor(15, 15), QColor(0, 0, 255));
}

TEST_F(MenuPanelTest, HoverPressReleaseRaisesLowersAndClicksOnce) {
    Enter();
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::Raised);
    EXPECT_EQ(panel.FontColor(), QColor(255, 255, 255));
    QImage look = Look();
    EXPECT_EQ(look.pixelColor(0, 0), QColor(255, 255, 255)) << "raised: light top left";
    EXPECT_EQ(look.pixelColor(15, 15), QColor(128, 128, 128)) << "dark bottom right";

    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::Lowered);
    look = Look();
    EXPECT_EQ(look.pixelColor(0, 0), QColor(128, 128, 128)) << "lowered: dark top left";
    EXPECT_EQ(look.pixelColor(15, 15), QColor(255, 255, 255));
    EXPECT_EQ(clicks, 0);

    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::Raised);
    EXPECT_EQ(clicks, 1);

    // Other buttons neither press nor click.
    QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(8, 8));
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::Raised);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuPanelTest, ReleaseElsewhereIsNoClickAndLeavingResetsTheLook) {
    Enter();
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(40, 8));
    EXPECT_EQ(clicks, 0);
    Leave();
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::None);
    EXPECT_EQ(panel.FontColor(), QColor(0, 255, 255));

    active = false;  // another application is active
    Enter();
    Leave();
    EXPECT_EQ(panel.FontColor(), QColor(192, 192, 192));
    EXPECT_EQ(Look().pixelColor(0, 0), QColor(0, 0, 255));
}

TEST_F(MenuPanelTest, LeavingWithTheButtonHeldResetsTheLookAndComingBackLowersIt) {
    Enter();
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(8, 8));
    QMouseEvent out(QEvent::MouseMove, QPointF(40, 8), QPointF(40, 8), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&panel, &out);
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::None);
    EXPECT_EQ(panel.FontColor(), QColor(0, 255, 255));
    QMouseEvent back(QEvent::MouseMove, QPointF(8, 8), QPointF(8, 8), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&panel, &back);
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::Lowered);
}

TEST_F(MenuPanelTest, DoubleClickReportsTwoClicksAndShowsFlatAqua) {
    const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(8, 8), QPointF(8, 8), Qt::LeftButton, held, {});
        QApplication::sendEvent(&panel, &event);
    };
    Enter();
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    EXPECT_EQ(clicks, 1) << "the first release";
    // The second press arrives as a press and a double click.
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::None);
    EXPECT_EQ(panel.FontColor(), QColor(0, 255, 255));
    EXPECT_EQ(clicks, 1);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    EXPECT_EQ(clicks, 2) << "the second release";
    EXPECT_EQ(panel.BevelOuter(), TMenuPanel::TBevel::Raised);
}

}  // namespace
}  // namespace tnx::ui::test
