// The route card in the window: the chosen route step by step, following the route
// list, reachable from the keyboard, copied as text, and never over the route it shows.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest/QTest>

#include "form_fixture.h"
#include "ui/image_control.h"
#include "ui/radio_group.h"
#include "ui/route_card.h"
#include "ui/route_frame.h"

namespace tnx::ui::test {
namespace {

class RouteCardTest : public FormTest {
protected:
    void StartIn(const std::string& city) {
        std::filesystem::copy_file(std::filesystem::path(TUNNEX_PROGRAM_DIR) / city, Folder() / city);
        Started();
        form->show();
    }
    void Trip(const std::string& from, const std::string& to) {
        form->SetEndpoints(Station(from), Station(to));
        ASSERT_TRUE(form->RadioGroup1->isVisible()) << from << " -> " << to;
    }
    TRouteCard& Card() { return *form->RouteCard; }
    // The card's place on the scheme.
    QRect OnScheme() { return Card().geometry().translated(-form->Image1->pos()); }
    // Pixels of the card's place where the shown route is drawn on the scheme.
    int RouteUnderCard() {
        QImage frame;
        PaintRouteFrame(frame,
                        {form->State().City, form->Bitmaps(), form->State().StartStation, form->State().EndStation,
                         form->State().ShownRouteStations, form->State().ShownRouteTransfers});
        const QImage scheme = form->Bitmaps().SchemeBitmap.convertToFormat(QImage::Format_RGB32);
        const QRect place = OnScheme() & frame.rect();
        int covered = 0;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x) covered += frame.pixel(x, y) != scheme.pixel(x, y);
        return covered;
    }
    QColor BarColour(int ride) {
        std::vector<QFrame*> bars;
        for (QFrame* f : Card().findChildren<QFrame*>())
            if (f->width() == 4 && f->autoFillBackground() && !qobject_cast<QLabel*>(f)) bars.push_back(f);
        std::sort(bars.begin(), bars.end(), [](QFrame* a, QFrame* b) { return a->y() < b->y(); });
        return bars.at(static_cast<std::size_t>(ride))->palette().color(QPalette::Window);
    }
};

// Close enough to a line's colour after the module's palette reduction.
bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 60;
}

TEST_F(RouteCardTest, ShowsEveryStepOfTheChosenRoute) {
    StartIn("moscow.tnd");
    Trip("Выхино", "Речной вокзал");
    ASSERT_TRUE(Card().isVisible());
    EXPECT_EQ(Card().Text().toStdString(),
              "Выхино → Речной вокзал\n"
              "линия 7: Выхино → Пушкинская, 9 остановок, 25 минут, ожидание 2 минуты, в сторону «Планерная»\n"
              "пересадка: Пушкинская → Тверская, 2 минуты\n"
              "линия 2: Тверская → Речной вокзал, 8 остановок, 20 минут, ожидание 2 минуты, в сторону "
              "«Речной вокзал»\n"
              "Всего: 51 минута, 1 пересадка\n");
    // The purple line, then the green one, each with its icon.
    EXPECT_TRUE(Near(BarColour(0), QColor(0x8E, 0x47, 0x9C))) << BarColour(0).name().toStdString();
    EXPECT_TRUE(Near(BarColour(1), QColor(0x4B, 0xAF, 0x4F))) << BarColour(1).name().toStdString();
    int icons = 0;
    for (const QLabel* label : Card().findChildren<QLabel*>()) icons += !label->pixmap().isNull();
    EXPECT_EQ(icons, 2);
    EXPECT_EQ(RouteUnderCard(), 0);

    // The ring: a way round instead of a station to head for.
    Trip("Курская~5", "Белорусская~5");
    EXPECT_NE(Card().Text().indexOf("линия 5: Курская → Белорусская, 4 остановки, 11 минут, ожидание 2 минуты, "
                                    "против часовой стрелки"),
              -1)
        << Card().Text().toStdString();
}

TEST_F(RouteCardTest, FollowsTheListByMouseAndKeyboardAndCopies) {
    StartIn("moscow.tnd");
    Trip("Проспект Мира~5", "Пушкинская");
    TRadioGroup& list = *form->RadioGroup1;
    ASSERT_EQ(list.Items(), (QStringList{"17 минут, 2 пересадки", "17 минут, 2 пересадки", "18 минут, 1 пересадка"}));
    EXPECT_EQ(Card().Index(), 0);
    EXPECT_NE(Card().Text().indexOf("\nМаршрут 1 из 3\n"), -1);
    const QString first = Card().Text();

    QTest::mouseClick(list.Button(1), Qt::LeftButton);
    EXPECT_EQ(Card().Index(), 1);
    EXPECT_NE(Card().Text().indexOf("\nМаршрут 2 из 3, по сравнению с первым: то же время, столько же пересадок\n"), -1)
        << Card().Text().toStdString();
    // The two entries read the same; their steps do not.
    EXPECT_NE(Card().Text().mid(Card().Text().indexOf("линия")), first.mid(first.indexOf("линия")));

    // The arrows move through the list and the card follows; Tab goes on to the card.
    QApplication::setActiveWindow(form.get());
    list.Button(1)->setFocus();
    QTest::keyClick(list.Button(1), Qt::Key_Down);
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_EQ(Card().Index(), 2);
    EXPECT_NE(Card().Text().indexOf("по сравнению с первым: +1 минута, \u22121 пересадка\n"), -1)
        << Card().Text().toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &Card());
    QApplication::clipboard()->clear();
    QTest::keyClick(&Card(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Card().Text());

    // Hidden with the list; back with the next search.
    form->SetEndpoints(form->State().StartStation, form->State().StartStation);
    EXPECT_FALSE(Card().isVisible());
    Trip("Выхино", "Речной вокзал");
    EXPECT_TRUE(Card().isVisible());
}

TEST_F(RouteCardTest, StaysWhereTheUserMovedItUntilTheNextSearch) {
    StartIn("moscow.tnd");
    Trip("Проспект Мира~5", "Пушкинская");
    const QPoint automatic = Card().pos();
    const QPoint grip(Card().width() / 2, 8);
    QTest::mousePress(&Card(), Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(40, 30)),
                     Card().mapToGlobal(QPointF(grip + QPoint(40, 30))), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&Card(), &move);
    QTest::mouseRelease(&Card(), Qt::LeftButton, {}, grip + QPoint(40, 30));
    const QPoint moved = Card().pos();
    EXPECT_NE(moved, automatic);
    QTest::mouseClick(form->RadioGroup1->Button(2), Qt::LeftButton);
    EXPECT_EQ(Card().pos(), moved);
    EXPECT_TRUE(form->Image1->geometry().contains(Card().geometry()));
    Trip("Выхино", "Речной вокзал");
    EXPECT_EQ(RouteUnderCard(), 0);
}

// Every listed route of a sample of trips in every shipped city.
TEST_F(RouteCardTest, NeverCoversTheRouteItShows) {
    int shown = 0, shortened = 0;
    for (const char* file : {"kharkiv.tnd", "kyiv.tnd", "spb.tnd", "moscow.tnd"}) {
        std::filesystem::remove_all(Folder());
        std::filesystem::create_directories(Folder());
        StartIn(file);
        const int n = form->State().City.NumOfStations;
        int index = 0;
        for (int a = 1; a <= n; ++a)
            for (int b = 1; b <= n; ++b) {
                if (a == b || index++ % (n * n / 60) != 0) continue;
                form->SetEndpoints(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b));
                if (!form->RadioGroup1->isVisible()) continue;
                for (int i = 0; i < form->RadioGroup1->Count(); ++i) {
                    QTest::mouseClick(form->RadioGroup1->Button(i), Qt::LeftButton);
                    ASSERT_TRUE(Card().isVisible());
                    ++shown;
                    // Where the route leaves too little room the steps scroll, also by keyboard.
                    QScrollBar* bar = Card().findChild<QScrollArea*>()->verticalScrollBar();
                    if (bar->maximum() > 0) {
                        ++shortened;
                        QTest::keyClick(&Card(), Qt::Key_PageDown);
                        EXPECT_GT(bar->value(), 0);
                    }
                    EXPECT_TRUE(form->Image1->geometry().contains(Card().geometry()))
                        << file << " " << a << " -> " << b;
                    EXPECT_EQ(RouteUnderCard(), 0) << file << " " << a << " -> " << b << ", route " << i + 1;
                }
            }
    }
    EXPECT_GT(shown, 200);
    EXPECT_GT(shortened, 0);
}

}  // namespace
}  // namespace tnx::ui::test
