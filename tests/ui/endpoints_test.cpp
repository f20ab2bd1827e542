#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QtTest/QTest>

#include "engine/search_command.h"
#include "form_fixture.h"
#include "ui/image_control.h"
#include "ui/radio_group.h"
#include "ui/station_combo.h"

namespace tnx::ui::test {
namespace {

constexpr QRgb kSentinel = 0xFFFF00FF;

class EndpointsTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        AddCity();
        Started();
    }
    QImage& Map() { return form->Image1->Picture(); }
    QPoint At(std::uint8_t n) const { return {form->State().City.Station(n).X, form->State().City.Station(n).Y}; }
    // The map's pixels in rect equal the image's pixels at offset (0, 0) of that rect,
    // with transparent image pixels showing `under`.
    void ExpectMarker(std::uint8_t station, const QImage& marker, const char* what) {
        const QPoint c = At(station) - QPoint(7, 7);
        int opaque = 0;
        for (int y = 0; y < marker.height(); ++y)
            for (int x = 0; x < marker.width(); ++x) {
                if (qAlpha(marker.pixel(x, y)) == 0) continue;
                ++opaque;
                ASSERT_EQ(Map().pixel(c.x() + x, c.y() + y), marker.pixel(x, y)) << what << " at " << x << "," << y;
            }
        EXPECT_GT(opaque, 20) << what;
    }
    // Every pixel of rect shows the clean scheme.
    bool ShowsScheme(const QRect& rect) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (Map().pixel(x, y) != form->Bitmaps().SchemeBitmap.pixel(x, y)) return false;
        return true;
    }
    QStringList Entries() const { return form->RadioGroup1->Items(); }
};

TEST_F(EndpointsTest, MarkersAreDrawnAndOnlyChangedEndpointsErased) {
    const std::uint8_t a = Station("Холодная гора");
    const std::uint8_t b = Station("Героев труда");
    const std::uint8_t c = Station("Метростроителей");
    form->SetEndpoints(a, b);
    ExpectMarker(a, form->Bitmaps().Flag1, "start");
    ExpectMarker(b, form->Bitmaps().Flag2, "end");

    Map().fill(kSentinel);
    form->SetEndpoints(a, c);
    const QRect oldEnd(At(b) - QPoint(7, 7), QSize(17, 17));
    EXPECT_TRUE(ShowsScheme(oldEnd)) << "the old end's 17 x 17 square is the clean scheme";
    EXPECT_EQ(Map().pixel(oldEnd.left() - 1, oldEnd.top()), kSentinel) << "and no more";
    EXPECT_EQ(Map().pixel(oldEnd.right() + 1, oldEnd.bottom()), kSentinel);
    EXPECT_EQ(Map().pixel(oldEnd.left(), oldEnd.bottom() + 1), kSentinel);
    // The start did not change: its square is not erased, its marker drawn again.
    EXPECT_EQ(Map().pixel(At(a).x() + 9, At(a).y() + 9), kSentinel);
    ExpectMarker(a, form->Bitmaps().Flag1, "start again");
    ExpectMarker(c, form->Bitmaps().Flag2, "new end");
    EXPECT_EQ(form->State().StartStation, a);
    EXPECT_EQ(form->State().EndStation, c);
}

TEST_F(EndpointsTest, SamePairChangesNothingAndBadStationsAreIgnored) {
    form->SetEndpoints(12, 29);
    const long pauses = form->AnimationPause().PauseCount();
    Map().fill(kSentinel);
    form->SetEndpoints(12, 29);
    form->SetEndpoints(0, 29);
    form->SetEndpoints(12, form->State().City.NumOfStations + 1);
    EXPECT_EQ(form->AnimationPause().PauseCount(), pauses);
    EXPECT_EQ(Map().pixel(At(12)), kSentinel);
    EXPECT_EQ(form->State().StartStation, 12);
    EXPECT_EQ(form->State().EndStation, 29);
    EXPECT_EQ(Entries().size(), 1);
}

TEST_F(EndpointsTest, ReferenceRoutesAreListedWithTheFirstShown) {
    form->SetEndpoints(12, 29);
    EXPECT_EQ(Entries(), QStringList{"28 минут, 1 пересадка"});
    EXPECT_EQ(form->RadioGroup1->ItemIndex(), 0);
    EXPECT_FALSE(form->RadioGroup1->isHidden());
    EXPECT_TRUE(form->State().ShownRouteStations.Has(12));
    EXPECT_TRUE(form->State().ShownRouteStations.Has(29));
    EXPECT_FALSE(form->State().SearchRunning);
    EXPECT_EQ(form->AnimationPause().Depth(), 0);
    EXPECT_TRUE(form->Label1->text().isEmpty());

    form->SetEndpoints(12, 9);
    EXPECT_EQ(Entries(), QStringList{"16 минут, 1 пересадка"});

    form->N3->trigger();  // waiting times off
    form->N9->trigger();  // every route, not only optimal ones
    EXPECT_EQ(Entries(), (QStringList{"13 минут, 1 пересадка", "17 минут, 2 пересадки"}));
    EXPECT_EQ(form->RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(form->State().ShownRouteStations, form->State().Routes().Route(1).Stations);

    // Choosing the second entry shows that route.
    form->RadioGroup1->Button(1)->click();
    EXPECT_EQ(form->State().ShownRouteStations, form->State().Routes().Route(2).Stations);
    EXPECT_EQ(form->State().ShownRouteTransfers, form->State().Routes().Route(2).ChangeStations);
    EXPECT_EQ(form->AnimationPause().Depth(), 0);
}

TEST_F(EndpointsTest, NoRouteShowsTheMessageAndEmptiesTheShownRoute) {
    form->SetEndpoints(12, 29);
    ASSERT_FALSE(form->State().ShownRouteStations.Empty());
    form->State().Settings.ChangesDiff = 0;
    form->SetEndpoints(12, 30);
    EXPECT_EQ(environment.Messages, std::vector<std::string>{kNoRouteMessage});
    EXPECT_TRUE(form->State().ShownRouteStations.Empty());
    EXPECT_TRUE(form->State().ShownRouteTransfers.Empty());
    EXPECT_TRUE(form->RadioGroup1->isHidden());
    EXPECT_EQ(form->RadioGroup1->Count(), 0);
    EXPECT_FALSE(form->State().SearchRunning);
    EXPECT_EQ(form->AnimationPause().Depth(), 0);
}

TEST_F(EndpointsTest, SameStationShowsTheCityInformationInsteadOfSearching) {
    form->SetEndpoints(12, 29);
    const TStationSet shown = form->State().ShownRouteStations;
    form->SetEndpoints(29, 29);
    EXPECT_TRUE(form->RadioGroup1->isHidden());
    EXPECT_EQ(form->Label1->text().toStdString(), form->State().CityInfoText());
    EXPECT_FALSE(form->Label1->isHidden()) << "shown in the route list's place";
    const QFontMetrics metrics(form->Label1->font());
    for (const QString& line : form->Label1->text().split("\r\n"))
        EXPECT_LE(metrics.horizontalAdvance(line), form->Label1->width()) << line.toStdString();
    EXPECT_EQ(form->State().ShownRouteStations, shown) << "left as it was";
    form->SetEndpoints(12, 29);
    EXPECT_TRUE(form->Label1->isHidden());
    ExpectMarker(29, form->Bitmaps().Flag2, "end on top");
}

TEST_F(EndpointsTest, ChoosingInTheListsAppliesBothListedStationsOnceTheyAreLeftAlone) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    // As the user does it: the list gets the focus and the keyboard picks an entry.
    form->ComboBox1->setFocus();
    form->ComboBox1->setCurrentIndex(ListIndex("Холодная гора") - 1);
    QTest::keyClick(form->ComboBox1, Qt::Key_Down);
    EXPECT_TRUE(form->State().StationChange.Pending());
    EXPECT_EQ(form->State().StartStation, 8) << "not at once";
    const int end = form->ComboBox2->findText("Героев труда");
    form->ComboBox2->setCurrentIndex(end);
    emit form->ComboBox2->activated(end);
    QTRY_COMPARE_WITH_TIMEOUT(form->State().EndStation, 29, 4000);
    EXPECT_EQ(form->State().StartStation, 12) << "both lists in one update";
    EXPECT_EQ(Entries(), QStringList{"28 минут, 1 пересадка"});
    QTRY_VERIFY_WITH_TIMEOUT(!form->State().StationChange.Pending(), 1000);

    // Programmatic selections are not the user's choice.
    form->ComboBox1->setCurrentIndex(ListIndex("Госпром"));
    EXPECT_FALSE(form->State().StationChange.Pending());
}

TEST_F(EndpointsTest, ListWithoutSelectionKeepsItsEndpoint) {
    form->ComboBox2->setCurrentIndex(-1);
    form->ComboBox1->setCurrentIndex(ListIndex("Холодная гора"));
    form->ApplyStationLists();
    EXPECT_EQ(form->State().StartStation, 12);
    EXPECT_EQ(form->State().EndStation, 8);
    form->ComboBox1->setCurrentIndex(-1);
    form->ComboBox2->setCurrentIndex(ListIndex("Героев труда"));
    form->ApplyStationLists();
    EXPECT_EQ(form->State().StartStation, 12);
    EXPECT_EQ(form->State().EndStation, 29);
}

TEST_F(EndpointsTest, StationListsDrawLineIconsAndDisplayNames) {
    // The icon of the entry's line at (2, 0), then the name; the same entry of
    // another line gets another icon.
    QImage row(188, 16, QImage::Format_RGB32);
    const auto draw = [&](const QString& text) {
        row.fill(Qt::white);
        QPainter painter(&row);
        form->ComboBoxDrawItem(painter, row.rect(), text, false, form->ComboBox1->palette());
        return row.copy();
    };
    const QImage line1 = draw("Холодная гора");
    const QImage line2 = draw("Героев труда");
    const QImage line1Again = draw("Южный вокзал");
    const QImage icon = line1.copy(2, 0, 16, 16);
    EXPECT_EQ(line1.copy(2, 0, 16, 16), line1Again.copy(2, 0, 16, 16));
    EXPECT_NE(line1.copy(2, 0, 16, 16), line2.copy(2, 0, 16, 16));
    EXPECT_NE(line1.copy(24, 0, 150, 16), line1Again.copy(24, 0, 150, 16)) << "names differ";
    int dark = 0;
    for (int x = 24; x < 150; ++x)
        for (int y = 0; y < 16; ++y) dark += qGray(line1.pixel(x, y)) < 100;
    EXPECT_GT(dark, 30) << "a name is written right of the icon";
    EXPECT_EQ(draw("Холодная гора~7").copy(24, 0, 160, 16), line1.copy(24, 0, 160, 16))
        << "the suffix that tells equal names apart is not shown";
    // Without the module no icon is drawn, and nothing breaks.
    form->State().CityModuleHandle.reset();
    EXPECT_NE(draw("Холодная гора").copy(2, 0, 16, 16), icon);
}

}  // namespace
}  // namespace tnx::ui::test
