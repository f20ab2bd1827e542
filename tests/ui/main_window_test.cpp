#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>

#include "engine/search_command.h"
#include "form_fixture.h"
#include "ui/image_control.h"
#include "ui/menu_panel.h"
#include "ui/radio_group.h"
#include "ui/station_combo.h"

namespace tnx::ui::test {
namespace {

class MainWindowTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        AddCity();
        Started();
        form->SetEndpoints(12, 9);
    }
    // What the window must list: the search command's entries for the window's own state.
    QStringList Expected() {
        TSearchRequest request;
        request.StartStation = form->StartStation;
        request.EndStation = form->EndStation;
        request.Settings = form->Settings;
        request.DayChecked = form->DayRadioButton->isChecked();
        request.EveningChecked = form->EvRadioButton->isChecked();
        auto list = std::make_unique<TRouteList>();
        const auto data = std::make_unique<TSearchData>(form->City);
        const auto work = std::make_unique<TSearchWork>();
        QStringList entries;
        for (const std::string& e : RunSearchCommand(form->City, *data, *work, *list, request).Entries)
            entries << QString::fromStdString(e);
        return entries;
    }
    QStringList Entries() const { return form->RadioGroup1->Items(); }
    // Each command searches again inside exactly one balanced pause.
    void ExpectSearchedOnce(const std::function<void()>& command, const char* what) {
        const long pauses = form->AnimationPause.PauseCount();
        form->RadioGroup1->Clear();
        command();
        EXPECT_EQ(form->AnimationPause.PauseCount(), pauses + 1) << what;
        EXPECT_EQ(form->AnimationPause.Depth(), 0) << what;
        EXPECT_EQ(Entries(), Expected()) << what;
        EXPECT_FALSE(Entries().isEmpty()) << what;
    }
};

TEST_F(MainWindowTest, SettingsMenuCommandsChangeTheSettingsAndSearchAgain) {
    ExpectSearchedOnce([&] { form->N3->trigger(); }, "N3 off");
    EXPECT_FALSE(form->Settings.UseWaitTime);
    EXPECT_FALSE(form->N3->isChecked());
    EXPECT_FALSE(form->DayRadioButton->isEnabled());
    EXPECT_FALSE(form->EvRadioButton->isEnabled());
    ExpectSearchedOnce([&] { form->N3->trigger(); }, "N3 on");
    EXPECT_TRUE(form->Settings.UseWaitTime);
    EXPECT_TRUE(form->DayRadioButton->isEnabled());
    EXPECT_TRUE(form->EvRadioButton->isEnabled());

    ExpectSearchedOnce([&] { form->N9->trigger(); }, "N9 off");
    EXPECT_FALSE(form->Settings.ShowOnlyOptimal);

    ExpectSearchedOnce([&] { form->N7->trigger(); }, "N7");
    EXPECT_TRUE(form->Settings.ArrangeByChanges);
    EXPECT_TRUE(form->N7->isChecked());
    EXPECT_FALSE(form->N6->isChecked());
    ExpectSearchedOnce([&] { form->N6->trigger(); }, "N6");
    EXPECT_FALSE(form->Settings.ArrangeByChanges);
    EXPECT_TRUE(form->N6->isChecked());
    EXPECT_FALSE(form->N7->isChecked());
    ExpectSearchedOnce([&] { form->N6->trigger(); }, "N6 when already checked");
    EXPECT_TRUE(form->N6->isChecked());

    // The options command clears and searches again, whatever the dialog does.
    ExpectSearchedOnce([&] { form->N5->trigger(); }, "options");
    EXPECT_FALSE(form->RadioGroup1->isHidden());
}

TEST_F(MainWindowTest, DayAndEveningButtonsChooseTheWaitTable) {
    ExpectSearchedOnce([&] { form->EvRadioButton->click(); }, "evening");
    EXPECT_TRUE(form->EvRadioButton->isChecked());
    EXPECT_FALSE(form->DayRadioButton->isChecked());
    EXPECT_EQ(form->City.EffectiveWait, form->City.EveningWait);
    ExpectSearchedOnce([&] { form->EvRadioButton->click(); }, "evening again stays checked");
    EXPECT_TRUE(form->EvRadioButton->isChecked());
    ExpectSearchedOnce([&] { form->DayRadioButton->click(); }, "day");
    EXPECT_FALSE(form->EvRadioButton->isChecked());
    EXPECT_EQ(form->City.EffectiveWait, form->City.DayWait);

    // While a search runs the buttons switch but start no search.
    form->SearchRunning = true;
    const long pauses = form->AnimationPause.PauseCount();
    form->EvRadioButton->click();
    EXPECT_TRUE(form->EvRadioButton->isChecked());
    EXPECT_FALSE(form->DayRadioButton->isChecked());
    EXPECT_EQ(form->AnimationPause.PauseCount(), pauses);
}

TEST_F(MainWindowTest, HelpAndAboutChangeNothing) {
    // Help and About exist and change nothing; About pauses around its box.
    const long pauses = form->AnimationPause.PauseCount();
    form->Info->trigger();
    form->About->trigger();
    EXPECT_EQ(form->AnimationPause.PauseCount(), pauses + 1);
    EXPECT_EQ(form->AnimationPause.Depth(), 0);
    EXPECT_EQ(Entries(), Expected());
}

TEST_F(MainWindowTest, ContextHelpShowsTheControlsTopic) {
    emit form->ComboBox2->customContextMenuRequested(QPoint(5, 5));
    form->PopupMenu1->hide();
    form->N2->trigger();
    EXPECT_EQ(environment.ContextHelp, std::vector<int>{2012});
    emit form->Panel3->customContextMenuRequested(QPoint(5, 5));
    form->PopupMenu1->hide();
    form->N2->trigger();
    EXPECT_EQ(environment.ContextHelp, (std::vector<int>{2012, 2016}));
    emit form->SwapButton->customContextMenuRequested(QPoint(5, 5));
    form->PopupMenu1->hide();
    form->N2->trigger();
    EXPECT_EQ(environment.ContextHelp, (std::vector<int>{2012, 2016, 2018}));
}

// The colour most common among the caption picture's pixels left of x = 18
// (gradient only) and the number of pixels of the text colour.
struct TCaptionLook {
    QRgb Left;
    int TextPixels;
};
TCaptionLook CaptionLook(const QImage& picture, QRgb text) {
    TCaptionLook look{picture.pixel(2, 9), 0};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 20; x < picture.width(); ++x) look.TextPixels += picture.pixel(x, y) == text;
    return look;
}

TEST_F(MainWindowTest, CaptionColoursFollowActivation) {
    const QImage active(":/tunnex/ACAP");
    const QImage inactive(":/tunnex/ICAP");
    form->FormActivate();
    TCaptionLook look = CaptionLook(form->Image3->Picture(), qRgb(255, 255, 255));
    EXPECT_EQ(look.Left, active.pixel(2, 9));
    EXPECT_GT(look.TextPixels, 50) << "white text";
    for (TMenuPanel* b : {form->MenuPanel1, form->MenuPanel2, form->MenuPanel3}) {
        EXPECT_EQ(b->Color(), QColor(0, 0, 255));
        EXPECT_EQ(b->FontColor(), QColor(0, 255, 255));
    }

    form->FormDeactivate();
    look = CaptionLook(form->Image3->Picture(), qRgb(192, 192, 192));
    EXPECT_EQ(look.Left, inactive.pixel(2, 9));
    EXPECT_GT(look.TextPixels, 50) << "silver text";
    for (TMenuPanel* b : {form->MenuPanel1, form->MenuPanel2, form->MenuPanel3}) {
        EXPECT_EQ(b->Color(), QColor(128, 128, 128));
        EXPECT_EQ(b->FontColor(), QColor(192, 192, 192));
    }

    form->FormActivate();
    EXPECT_EQ(CaptionLook(form->Image3->Picture(), qRgb(192, 192, 192)).TextPixels, 0)
        << "drawn anew: no silver text remains";
    // The window's own activation reaches the same handlers.
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(CaptionLook(form->Image3->Picture(), qRgb(255, 255, 255)).Left, active.pixel(2, 9));
}

TEST_F(MainWindowTest, RollsUpToTheCaptionBarAndBack) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(form->MenuPanel3, Qt::LeftButton);
    EXPECT_EQ(form->size(), QSize(800, 23));
    EXPECT_TRUE(form->Panel2->isHidden());
    EXPECT_TRUE(form->Panel3->isHidden());
    EXPECT_EQ(form->MenuPanel3->Caption(), QString::fromUtf8("⇩"));
    EXPECT_EQ(form->MenuPanel3->toolTip(), "Показать");

    QTest::mouseDClick(form->Image3, Qt::LeftButton);
    EXPECT_EQ(form->size(), QSize(800, 600));
    EXPECT_FALSE(form->Panel2->isHidden());
    EXPECT_FALSE(form->Panel3->isHidden());
    EXPECT_EQ(form->MenuPanel3->Caption(), QString::fromUtf8("⇧"));
    EXPECT_EQ(form->MenuPanel3->toolTip(), "Спрятать");
}

TEST_F(MainWindowTest, CaptionPictureDragsTheWindow) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QPoint before = form->pos();
    QTest::mousePress(form->Image3, Qt::RightButton, {}, QPoint(100, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 25), form->Image3->mapToGlobal(QPointF(140, 25)), Qt::NoButton,
                     Qt::RightButton, {});
    QApplication::sendEvent(form->Image3, &move);
    QTest::mouseRelease(form->Image3, Qt::RightButton, {}, QPoint(140, 25));
    EXPECT_EQ(form->pos(), before + QPoint(40, 20));

    // After the release the window stays where it was left.
    QMouseEvent after(QEvent::MouseMove, QPointF(200, 60), form->Image3->mapToGlobal(QPointF(200, 60)), Qt::NoButton,
                      Qt::NoButton, {});
    QApplication::sendEvent(form->Image3, &after);
    EXPECT_EQ(form->pos(), before + QPoint(40, 20));
}

TEST_F(MainWindowTest, TheWindowMenuOffersWhatASystemMenuOfAFixedWindowWould) {
    QStringList texts;
    for (const QAction* action : form->WindowMenu->actions())
        if (!action->isSeparator()) texts << action->text();
    EXPECT_EQ(texts, (QStringList{"Переместить", "Свернуть", "Свернуть в заголовок", "Закрыть"}));

    // Without a move of the platform's own, the window follows the pointer until a click.
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QPoint before = form->pos();
    const QPoint pointer = QCursor::pos();
    form->WindowMenu->actions().front()->trigger();
    QMouseEvent move(QEvent::MouseMove, QPointF(0, 0), QPointF(pointer + QPoint(30, 10)), Qt::NoButton, Qt::NoButton,
                     {});
    QApplication::sendEvent(form->Image3, &move);
    EXPECT_EQ(form->pos(), before + QPoint(30, 10));
    QTest::mouseClick(form->Image3, Qt::LeftButton, {}, QPoint(5, 5));
    QApplication::sendEvent(form->Image3, &move);
    QMouseEvent further(QEvent::MouseMove, QPointF(0, 0), QPointF(pointer + QPoint(90, 50)), Qt::NoButton, Qt::NoButton,
                        {});
    QApplication::sendEvent(form->Image3, &further);
    EXPECT_EQ(form->pos(), before + QPoint(30, 10)) << "the click ended the move";
}

TEST_F(MainWindowTest, CloseButtonsCloseTheWindowAndReleaseTheModule) {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(form->MenuPanel1, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->CityModuleHandle);

    Started();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->CloseButton->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->CityModuleHandle);
}

}  // namespace
}  // namespace tnx::ui::test
