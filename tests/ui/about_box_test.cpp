// The About box, its scrolling tabs, and the splash screen's picture.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "form_fixture.h"
#include "ui/about_box.h"
#include "ui/about_texts.h"
#include "ui/image_control.h"
#include "ui/scroll_thread.h"
#include "ui/splash_form.h"

namespace tnx::ui::test {
namespace {

constexpr int kDevelopers = 2;
constexpr int kGreetings = 3;

class AboutTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        programFile = QString::fromStdString((Folder() / "tunnex").string());
        QFile file(programFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("program");
    }
    void AddModule(const std::string& module, const std::string& as) {
        std::filesystem::copy_file(std::filesystem::path(TUNNEX_PROGRAM_DIR) / module, Folder() / as);
    }
    void SetWritten(const QDateTime& time) {
        QFile file(programFile);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    std::unique_ptr<TAboutBox> Box() {
        return std::make_unique<TAboutBox>(
            nullptr, environment, TAboutSources{"2.20.3", "9", programFile, Folder(), ScanCityModules(Folder())});
    }
    std::unique_ptr<TAboutBox> Shown() {
        auto box = Box();
        box->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(box.get()));
        return box;
    }
    QString programFile;
};

TEST_F(AboutTest, VersionLinesShowTheProgramFilesLastWriteTime) {
    const QChar sep = SystemTimeSeparator();
    SetWritten(QDateTime(QDate(2026, 12, 6), QTime(18, 32, 40)));
    EXPECT_EQ(Box()->Version->toPlainText(),
              QString("Внутренняя версия 2.20.3 сборка 9\nСоздано 06.12.2026 в 18") + sep + "32 ");

    SetWritten(QDateTime(QDate(2027, 1, 2), QTime(7, 5)));
    auto box = Box();
    EXPECT_EQ(box->Version->toPlainText(),
              QString("Внутренняя версия 2.20.3 сборка 9\nСоздано 02.01.2027 в 07") + sep + "05 ");
    EXPECT_EQ(box->PageControl1->currentIndex(), 0);
    EXPECT_EQ(box->Memo1->toPlainText(), ProgramText("INFO"));
    EXPECT_FALSE(box->Memo1->toPlainText().isEmpty());
    EXPECT_FALSE(box->Memo2->toPlainText().isEmpty());
}

TEST_F(AboutTest, OnlyCtrlAltRightClickOnTheLogoRevealsTheGreetings) {
    auto box = Shown();
    const QPoint centre = box->ProgramIcon->rect().center();
    QTest::mouseClick(box->ProgramIcon, Qt::RightButton, Qt::ControlModifier, centre);
    QTest::mouseClick(box->ProgramIcon, Qt::RightButton, Qt::AltModifier, centre);
    QTest::mouseClick(box->ProgramIcon, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, centre);
    EXPECT_FALSE(box->PageControl1->isTabVisible(kGreetings));
    QTest::mouseClick(box->ProgramIcon, Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, centre);
    EXPECT_TRUE(box->PageControl1->isTabVisible(kGreetings));
    EXPECT_EQ(box->PageControl1->currentIndex(), 0) << "shown, not chosen";
    EXPECT_EQ(box->HiddenScroll(), nullptr);
}

TEST_F(AboutTest, LinksOpenTheSupportAddressAndTheHomePage) {
    auto box = Shown();
    EXPECT_EQ(box->Label1->text(), kSupportAddress);
    EXPECT_EQ(box->Label3->toolTip(), kHomePage);
    QTest::mouseClick(box->Label1, Qt::LeftButton);
    QTest::mouseClick(box->Label3, Qt::RightButton);
    QTest::mouseClick(box->Label3, Qt::LeftButton);
    EXPECT_EQ(environment.OpenedUrls, (std::vector<std::string>{"mailto:support@tunnex.example?Subject=from_tunnex",
                                                                "https://tunnex.example/"}));
    EXPECT_TRUE(environment.Messages.empty());

    // Without a mail program or a browser the user is told, and given the address.
    environment.UrlHandlers = false;
    QTest::mouseClick(box->Label1, Qt::LeftButton);
    QTest::mouseClick(box->Label3, Qt::LeftButton);
    EXPECT_EQ(environment.Messages,
              (std::vector<std::string>{"Не удалось открыть письмо: в системе не задана почтовая программа.\r\n"
                                        "Напишите нам по адресу support@tunnex.example.",
                                        "Не удалось открыть сайт: в системе не задан браузер.\r\n"
                                        "Адрес сайта: https://tunnex.example/"}));
}

TEST_F(AboutTest, CreditsHoldEveryModulesInfoUnderItsCityInCatalogOrder) {
    AddModule("spb.tnd", "a.tnd");
    AddModule("kharkiv.tnd", "b.tnd");
    AddJunk("c.tnd");
    auto catalog = ScanCityModules(Folder());
    ASSERT_EQ(catalog.size(), 2u);
    const QString about = ProgramText("ABOUT");
    QString credits = CreditsText(about, catalog, Folder());
    EXPECT_TRUE(credits.startsWith(about));
    const auto spb = credits.indexOf(about + "\n\n [ Санкт-Петербург ]\n\n");
    const auto kharkiv = credits.indexOf(QString::fromUtf8("\n\n [ Хаpьков ]\n\n"));
    EXPECT_EQ(spb, 0);
    ASSERT_GT(kharkiv, spb);
    const auto spbInfo = credits.indexOf("о Петербургском метро");
    const auto kharkivInfo = credits.indexOf("Пассажиры харьковского метро");
    EXPECT_TRUE(spb < spbInfo && spbInfo < kharkiv && kharkiv < kharkivInfo) << credits.toStdString();

    // A listed module that has gone since still gets its heading, with a note.
    std::filesystem::remove(Folder() / "a.tnd");
    credits = CreditsText(about, catalog, Folder());
    EXPECT_TRUE(credits.contains(QString(" [ Санкт-Петербург ]\n\n") + kModuleUnreadable + "\n\n [ "));
    EXPECT_TRUE(credits.contains("Пассажиры харьковского метро"));
}

TEST_F(AboutTest, CreditsScrollWhileTheirTabIsShownAndRestartFromTheTop) {
    AddCity();
    auto box = Shown();
    EXPECT_EQ(box->DevelopersScroll(), nullptr) << "none until the tab is first shown";
    box->PageControl1->setCurrentIndex(kDevelopers);
    ASSERT_NE(box->DevelopersScroll(), nullptr);
    EXPECT_TRUE(box->DevelopersScroll()->Strip().Lines().contains(QString::fromUtf8(" [ Хаpьков ]")));
    QTRY_VERIFY_WITH_TIMEOUT(box->DevelopersScroll()->Steps() >= 5, 2000);
    const TScroll* first = box->DevelopersScroll();

    box->PageControl1->setCurrentIndex(1);
    EXPECT_TRUE(first->StopRequested()) << "hiding the tab stops its scroller";
    QTRY_VERIFY_WITH_TIMEOUT(first->isFinished(), 1000);

    box->PageControl1->setCurrentIndex(kDevelopers);
    EXPECT_EQ(box->DevelopersScroll()->Strip().Offset(), 0) << "a new scroller, from the top";
    EXPECT_EQ(box->DevelopersScroll()->Steps(), 0);
    EXPECT_TRUE(box->DevelopersScroll()->isRunning());
}

TEST_F(AboutTest, ClosingTheBoxStopsItsScrollers) {
    auto box = Shown();
    QTest::mouseClick(box->ProgramIcon, Qt::RightButton, Qt::ControlModifier | Qt::AltModifier,
                      box->ProgramIcon->rect().center());
    box->PageControl1->setCurrentIndex(kDevelopers);
    box->PageControl1->setCurrentIndex(kGreetings);
    ASSERT_NE(box->HiddenScroll(), nullptr);
    ASSERT_NE(box->DevelopersScroll(), nullptr);
    EXPECT_TRUE(box->HiddenScroll()->isRunning());
    EXPECT_TRUE(box->HiddenScroll()->Strip().Lines().contains(ProgramText("GREETS").split('\n').front()));

    // Escape anywhere in the box closes it.
    box->Memo2->setFocus();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box.get(), Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->result(), QDialog::Rejected);
    EXPECT_TRUE(box->HiddenScroll()->StopRequested());
    EXPECT_TRUE(box->DevelopersScroll()->StopRequested());
    QTRY_VERIFY_WITH_TIMEOUT(box->HiddenScroll()->isFinished() && box->DevelopersScroll()->isFinished(), 1000);
}

TEST_F(AboutTest, CloseButtonClosesAndTheAboutCommandShowsTheBoxForTheLoadedProgram) {
    auto box = Shown();
    EXPECT_TRUE(box->BitBtn1->hasFocus());
    box->BitBtn1->click();
    EXPECT_FALSE(box->isVisible());

    AddCity();
    Started();
    const long pauses = form->AnimationPause().PauseCount();
    environment.OnDialog = [&](QDialog& d) {
        auto* about = dynamic_cast<TAboutBox*>(&d);
        EXPECT_NE(about, nullptr);
        EXPECT_TRUE(form->AnimationPause().Paused());
        if (about != nullptr) {
            EXPECT_TRUE(about->Version->toPlainText().startsWith(
                QString::fromStdString("Внутренняя версия " + form->State().ProgramVersionText + " сборка " +
                                       form->State().ProgramBuildText + "\nСоздано ")));
        }
        return 0;
    };
    form->About->trigger();
    EXPECT_EQ(environment.DialogsShown, 1);
    EXPECT_EQ(form->AnimationPause().PauseCount(), pauses + 1);
    EXPECT_EQ(form->AnimationPause().Depth(), 0);
}

TEST(SplashForm, ShowsItsPictureUnderTheLabels) {
    TSplashForm splash(nullptr, "2.20.3", "9");
    EXPECT_EQ(splash.Image1->Picture().size(), QSize(272, 116));
    EXPECT_EQ(splash.Image1->geometry(), QRect(0, 0, 272, 116));
    EXPECT_EQ(splash.Label3->text(), kLegalNoticeTwoLines);
    EXPECT_EQ(splash.Label3->text().count('\n'), 1) << "two lines";
}

}  // namespace
}  // namespace tnx::ui::test
