// Choosing stations on the scheme with the pointer, on the shown main window.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest/QTest>

#include "form_fixture.h"
#include "ui/image_control.h"
#include "ui/radio_group.h"
#include "ui/station_combo.h"
#include "ui/station_hint.h"
#include "ui/station_hint_placement.h"

namespace tnx::ui::test {
namespace {

constexpr std::uint8_t kHolodnayaGora = 12;   // line 1, in operation
constexpr std::uint8_t kGeroevTruda = 29;     // line 2, in operation
constexpr std::uint8_t kBotanicalGarden = 4;  // planned, 25 pixels above Научная (5)
constexpr std::uint8_t kNauchnaya = 5;

class MapPointerTest : public ShownFormTest {
protected:
    QPoint At(std::uint8_t n) const { return {form->State().City.Station(n).X, form->State().City.Station(n).Y}; }
    void MoveTo(QPoint p) { QTest::mouseMove(form->Image1, p); }
    void Click(Qt::MouseButton button, QPoint p) { QTest::mouseClick(form->Image1, button, {}, p); }
    Qt::CursorShape Cursor() const { return form->Image1->cursor().shape(); }
    bool HintShown() const { return form->StationHint->isVisible(); }
    // An empty part of the scheme: no station within 10 pixels.
    static QPoint Empty() { return {500, 100}; }
};

TEST_F(MapPointerTest, PointerOverStationsChangesCursorAndShowsTheName) {
    ASSERT_EQ(form->StationHitGrid().At(Empty().x(), Empty().y()), 0);
    MoveTo(At(kHolodnayaGora) + QPoint(3, -4));
    EXPECT_EQ(Cursor(), Qt::PointingHandCursor);
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(form->StationHint->text(), " Холодная гора");
    EXPECT_EQ(form->LastHintStation(), kHolodnayaGora);

    // Near a station but not on it: default cursor, no pop-up.
    MoveTo(At(kHolodnayaGora) + QPoint(8, 0));
    EXPECT_NE(Cursor(), Qt::PointingHandCursor);
    EXPECT_FALSE(HintShown());
    EXPECT_EQ(form->LastHintStation(), 0);

    // Straight from a station in operation onto a planned one: the hand stays, the name shows.
    MoveTo(At(kNauchnaya));
    EXPECT_EQ(Cursor(), Qt::PointingHandCursor);
    MoveTo(At(kBotanicalGarden));
    EXPECT_EQ(Cursor(), Qt::PointingHandCursor);
    EXPECT_EQ(form->StationHint->text(), " Ботанический сад");
    MoveTo(Empty());
    EXPECT_NE(Cursor(), Qt::PointingHandCursor);
    EXPECT_FALSE(HintShown());
    MoveTo(At(kBotanicalGarden));
    EXPECT_NE(Cursor(), Qt::PointingHandCursor) << "a planned station does not offer itself";
    EXPECT_TRUE(HintShown());

    // The edge of the map is outside the active area even over a station's square.
    form->State().City.Station(kHolodnayaGora).X = 3;
    form->BuildStationHitGrid();
    MoveTo({2, At(kHolodnayaGora).y()});
    EXPECT_EQ(Cursor(), Qt::PointingHandCursor);
    MoveTo({1, At(kHolodnayaGora).y()});
    EXPECT_NE(Cursor(), Qt::PointingHandCursor);
    EXPECT_FALSE(HintShown());
}

TEST_F(MapPointerTest, PopUpSettingSearchAndInactiveApplication) {
    form->State().Settings.ShowPopUp = false;
    MoveTo(At(kGeroevTruda));
    EXPECT_EQ(Cursor(), Qt::PointingHandCursor) << "the cursor changes without the pop-up";
    EXPECT_FALSE(HintShown());
    MoveTo(Empty());
    form->State().Settings.ShowPopUp = true;

    environment.Active = false;
    MoveTo(At(kGeroevTruda));
    EXPECT_NE(Cursor(), Qt::PointingHandCursor);
    EXPECT_FALSE(HintShown());
    environment.Active = true;

    form->State().SearchRunning = true;
    MoveTo(At(kGeroevTruda) + QPoint(1, 1));
    EXPECT_NE(Cursor(), Qt::PointingHandCursor);
    EXPECT_FALSE(HintShown());
    Click(Qt::LeftButton, At(kGeroevTruda));
    EXPECT_EQ(form->State().StartStation, 8);
    form->State().SearchRunning = false;
}

TEST_F(MapPointerTest, ButtonsChooseStartAndEndAndSelectTheListsSilently) {
    Click(Qt::LeftButton, At(kHolodnayaGora));
    EXPECT_EQ(form->State().StartStation, kHolodnayaGora);
    EXPECT_EQ(form->ComboBox1->currentText(), "Холодная гора");
    Click(Qt::RightButton, At(kGeroevTruda) + QPoint(-4, 4));
    EXPECT_EQ(form->State().EndStation, kGeroevTruda);
    EXPECT_EQ(form->ComboBox2->currentText(), "Героев труда");
    EXPECT_EQ(form->ComboBox1->currentText(), "Холодная гора");
    EXPECT_EQ(form->RadioGroup1->Items(), QStringList{"28 минут, 1 пересадка"});
    EXPECT_FALSE(form->State().StationChange.Pending()) << "the program's selection is no user change";
    EXPECT_EQ(form->AnimationPause().Depth(), 0);

    // A planned station, the middle button, a near miss and empty map change nothing.
    Click(Qt::LeftButton, At(kBotanicalGarden));
    Click(Qt::MiddleButton, At(kNauchnaya));
    Click(Qt::LeftButton, At(kNauchnaya) + QPoint(6, 0));
    Click(Qt::LeftButton, Empty());
    EXPECT_EQ(form->State().StartStation, kHolodnayaGora);
    EXPECT_EQ(form->State().EndStation, kGeroevTruda);
    EXPECT_EQ(form->ComboBox1->currentText(), "Холодная гора");
}

TEST_F(MapPointerTest, HelpMenuOnlyOnEmptyMap) {
    const auto rightClickOpensMenu = [&](QPoint p) {
        Click(Qt::RightButton, p);
        // The platform follows the button with a context menu request, as here.
        QContextMenuEvent request(QContextMenuEvent::Mouse, p, form->Image1->mapToGlobal(p));
        QApplication::sendEvent(form->Image1, &request);
        QCoreApplication::processEvents();
        const bool shown = form->PopupMenu1->isVisible();
        form->PopupMenu1->hide();
        return shown;
    };
    EXPECT_TRUE(rightClickOpensMenu(Empty()));
    EXPECT_FALSE(rightClickOpensMenu(At(kGeroevTruda))) << "a chosen station opens nothing";
    EXPECT_FALSE(rightClickOpensMenu(At(kGeroevTruda) + QPoint(0, 9))) << "close to a station";
    EXPECT_FALSE(rightClickOpensMenu(At(kBotanicalGarden))) << "a planned station";
    EXPECT_TRUE(rightClickOpensMenu(Empty())) << "the menu comes back";
    EXPECT_TRUE(rightClickOpensMenu({590, 300})) << "outside the active area";
}

TEST(StationHintRect, KeepsOffTheRightAndBottomEdges) {
    const QRect screen(0, 0, 800, 600);
    const QSize text(100, 16);
    EXPECT_EQ(StationHintRect({300, 200}, text, screen), QRect(300, 200, 110, 18));
    // 800 - 681 - 20 = 99 < 100: moved so that the pop-up ends 10 before the edge.
    EXPECT_EQ(StationHintRect({681, 200}, text, screen), QRect(680, 200, 110, 18));
    EXPECT_EQ(StationHintRect({680, 200}, text, screen), QRect(680, 200, 110, 18));
    // 600 - 578 - 7 = 15 < 16: up by 50.
    EXPECT_EQ(StationHintRect({300, 578}, text, screen), QRect(300, 528, 110, 18));
    EXPECT_EQ(StationHintRect({300, 577}, text, screen), QRect(300, 577, 110, 18));
    EXPECT_EQ(StationHintRect({790, 590}, text, screen), QRect(680, 540, 110, 18));
    // A screen that does not start at 0.
    EXPECT_EQ(StationHintRect({1790, 200}, text, QRect(1000, 0, 800, 600)), QRect(1680, 200, 110, 18));
}

TEST_F(MapPointerTest, PopUpPlacementOnTheScreen) {
    const QRect screen = form->Image1->screen()->geometry();
    ASSERT_EQ(screen.width(), 800);
    const auto hint = [&] { return form->StationHint->geometry(); };

    MoveTo(At(kHolodnayaGora));
    const QPoint anchor = form->Image1->mapToGlobal(At(kHolodnayaGora) + QPoint(10, 20));
    EXPECT_EQ(hint().topLeft(), anchor);
    const QFontMetrics metrics(form->StationHint->font());
    EXPECT_EQ(hint().width(), metrics.horizontalAdvance(" Холодная гора") + 10);
    EXPECT_EQ(hint().height(), metrics.height() + 2);

    // A station near the right edge of the screen: the pop-up ends 10 pixels before it.
    form->State().City.Station(kGeroevTruda).X = 575;
    form->State().City.Station(kGeroevTruda).Y = 300;
    form->BuildStationHitGrid();
    MoveTo({575, 300});
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(hint().x() + hint().width(), screen.right() + 1 - 10);
    EXPECT_EQ(hint().y(), form->Image1->mapToGlobal(QPoint(0, 320)).y());

    // Near the bottom of the screen: 50 pixels up.
    form->move(form->x(), screen.bottom() + 1 - form->height());
    form->State().City.Station(kGeroevTruda).X = 300;
    form->State().City.Station(kGeroevTruda).Y = 560;
    form->BuildStationHitGrid();
    MoveTo({300, 560});
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(hint().topLeft(), form->Image1->mapToGlobal(QPoint(310, 580 - 50)));
}

}  // namespace
}  // namespace tnx::ui::test
