// Finding a station by typing into a list, choosing it there, and swapping start and end.
#include <QAbstractItemView>
#include <QListView>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>
#include <algorithm>

#include "form_fixture.h"
#include "ui/options_dialog.h"
#include "ui/radio_group.h"
#include "ui/station_combo.h"

namespace tnx::ui::test {
namespace {

// Keys as a Russian keyboard gives them (the test library spells only ASCII).
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

class StationSearchTest : public ShownFormTest {
protected:
    // The entries the dropped-down list shows, in their order, and the highlighted one.
    static QStringList Shown(TStationComboBox* box) {
        QStringList shown;
        for (int row = 0; row < box->count(); ++row)
            if (!static_cast<QListView*>(box->view())->isRowHidden(row)) shown << box->itemText(row);
        return shown;
    }
    static QString Highlighted(TStationComboBox* box) { return box->view()->currentIndex().data().toString(); }
    QStringList Entries() const { return form->RadioGroup1->Items(); }
};

TEST_F(StationSearchTest, TypedTextFiltersTheListAndEnterSearchesAtOnce) {
    TStationComboBox* box = form->ComboBox1;
    box->setFocus();
    const int all = box->count();
    // The first key drops the list down; the next ones go where the user's would, to the list.
    Type(box, "П");
    ASSERT_TRUE(box->DroppedDown());
    Type(box->view(), "РОСПЕКТ");
    EXPECT_EQ(box->Filter(), "ПРОСПЕКТ");
    // Проспект победы is closed and not listed; Московский проспект matches by its second word.
    EXPECT_EQ(Shown(box), (QStringList{"Московский проспект", "Проспект Гагарина"}));
    EXPECT_EQ(box->ShownCount(), 2);
    EXPECT_EQ(Highlighted(box), "Проспект Гагарина") << "a name prefix outranks a word prefix";

    const long pauses = form->AnimationPause().PauseCount();
    QTest::keyClick(box->view(), Qt::Key_Return);
    EXPECT_EQ(form->State().StartStation, Station("Проспект Гагарина")) << "applied at once, not after the delay";
    EXPECT_FALSE(form->State().StationChange.Pending());
    EXPECT_FALSE(Entries().isEmpty());
    EXPECT_GT(form->AnimationPause().PauseCount(), pauses);
    EXPECT_EQ(form->AnimationPause().Depth(), 0);
    EXPECT_EQ(box->currentText(), "Проспект Гагарина");
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_TRUE(box->Filter().isEmpty());
    EXPECT_EQ(box->ShownCount(), all) << "every entry is back";
}

TEST_F(StationSearchTest, AClickInTheListChoosesAtOnceAndEscapeOrANameOfNothingChoosesNothing) {
    TStationComboBox* box = form->ComboBox2;
    box->setFocus();
    Type(box, "гора");  // ё or е, case and word do not matter
    ASSERT_EQ(Shown(box), QStringList{"Холодная гора"});
    // Backspace widens the search again.
    QTest::keyClick(box->view(), Qt::Key_Backspace);
    QTest::keyClick(box->view(), Qt::Key_Backspace);
    QTest::keyClick(box->view(), Qt::Key_Backspace);
    EXPECT_EQ(box->Filter(), "г");
    EXPECT_GT(box->ShownCount(), 1);
    EXPECT_EQ(box->view()->viewport()->height(), std::min(box->ShownCount(), 10) * TStationComboBox::kItemHeight)
        << "as high as the entries shown";
    QTest::keyClick(box->view(), Qt::Key_Backspace);
    EXPECT_TRUE(box->Filter().isEmpty());
    EXPECT_TRUE(box->DroppedDown());
    EXPECT_EQ(box->view()->viewport()->height(), TStationComboBox::kDropDownCount * TStationComboBox::kItemHeight)
        << "all entries back, ten rows high";
    QTest::keyClick(box->view(), Qt::Key_Escape);
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_TRUE(box->Filter().isEmpty());
    EXPECT_EQ(form->State().EndStation, 8) << "nothing chosen";

    // A text that names no station keeps the list closed; Enter then does nothing.
    Type(box, "жж");
    EXPECT_EQ(box->Filter(), "жж");
    EXPECT_FALSE(box->DroppedDown());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(form->State().EndStation, 8);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(box->Filter().isEmpty());

    box->showPopup();
    const QModelIndex heroes = box->model()->index(box->findText("Героев труда"), 0);
    box->view()->scrollTo(heroes);
    const QRect row = box->view()->visualRect(heroes);
    ASSERT_TRUE(row.isValid());
    QTest::mouseClick(box->view()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(form->State().EndStation, Station("Героев труда"));
    EXPECT_FALSE(Entries().isEmpty());
    EXPECT_FALSE(form->State().StationChange.Pending());
}

TEST_F(StationSearchTest, ArrowKeysOnTheClosedListStillWaitForTheWatcher) {
    TStationComboBox* box = form->ComboBox1;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_TRUE(form->State().StationChange.Pending());
    EXPECT_EQ(form->State().StartStation, 8);
    QTRY_COMPARE_WITH_TIMEOUT(form->State().StartStation, Station(box->currentText().toStdString()), 4000);
}

TEST_F(StationSearchTest, SwapExchangesStartAndEndAndSearchesAtOnce) {
    const std::uint8_t a = Station("Холодная гора");
    const std::uint8_t b = Station("Героев труда");
    form->SetEndpoints(a, b);
    form->ComboBox1->setCurrentIndex(ListIndex("Холодная гора"));
    form->ComboBox2->setCurrentIndex(ListIndex("Героев труда"));
    const QStringList there = Entries();
    const long pauses = form->AnimationPause().PauseCount();

    form->SwapButton->click();
    EXPECT_EQ(form->State().StartStation, b);
    EXPECT_EQ(form->State().EndStation, a);
    EXPECT_EQ(form->ComboBox1->currentText(), "Героев труда");
    EXPECT_EQ(form->ComboBox2->currentText(), "Холодная гора");
    EXPECT_FALSE(Entries().isEmpty());
    EXPECT_GT(form->AnimationPause().PauseCount(), pauses);
    EXPECT_EQ(form->AnimationPause().Depth(), 0);
    EXPECT_FALSE(form->State().StationChange.Pending()) << "the lists are applied, nothing is left for the watcher";

    // The shortcut does the same; a station browsed in a list and not yet applied is swapped as listed.
    form->ComboBox2->setCurrentIndex(ListIndex("Госпром"));
    form->ComboBox1Change();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(form->State().StartStation, Station("Госпром"));
    EXPECT_EQ(form->State().EndStation, b);
    EXPECT_EQ(form->ComboBox1->currentText(), "Госпром");
    EXPECT_FALSE(form->State().StationChange.Pending());

    // Back where it started: the same routes as before.
    form->ComboBox1->setCurrentIndex(ListIndex("Героев труда"));
    form->ComboBox2->setCurrentIndex(ListIndex("Холодная гора"));
    form->SwapButton->click();
    EXPECT_EQ(form->State().StartStation, a);
    EXPECT_EQ(form->State().EndStation, b);
    EXPECT_EQ(Entries(), there);
}

TEST_F(StationSearchTest, TheOptionsDialogsListFiltersAndEnterDoesNotConfirmTheDialog) {
    bool stillOpen = false;
    QString chosen;
    environment.OnDialog = [&](QDialog& dialog) {
        auto& options = static_cast<TOptionsDlg&>(dialog);
        options.show();
        TStationComboBox* box = options.ComboBox;
        box->setFocus();
        Type(box, "ж");
        Type(box->view(), "ук");
        EXPECT_EQ(Shown(box), QStringList{"Маршала Жукова"});
        QTest::keyClick(box->view(), Qt::Key_Return);
        chosen = box->currentText();
        stillOpen = options.isVisible() && options.result() == 0;
        return options.result();
    };
    form->OptionsClick();
    EXPECT_EQ(chosen, "Маршала Жукова");
    EXPECT_TRUE(stillOpen) << "Enter chose the station, not the default button";
}

}  // namespace
}  // namespace tnx::ui::test
