// The help file, its window and its pop-ups.
#include <gtest/gtest.h>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest/QTest>

#include <QTextDocumentFragment>

#include "form_fixture.h"
#include "ui/help_file.h"
#include "ui/help_window.h"

namespace tnx::ui::test {
namespace {

std::vector<int> TopicsTheProgramUses() {
    std::vector<int> topics{1010};
    for (int n = 2011; n <= 2018; ++n) topics.push_back(n);
    for (int n = 2031; n <= 2041; ++n) topics.push_back(n);
    return topics;
}

THelpFile ShippedHelp() {
    QString error;
    auto help = THelpFile::Load(TUNNEX_HELP_FILE, error);
    EXPECT_TRUE(help.has_value()) << error.toStdString();
    return help.value_or(*THelpFile::Parse("=== 1 x", error));
}

TEST(HelpFile, ShippedHelpExplainsEveryTopicTheProgramOpens) {
    const THelpFile help = ShippedHelp();
    const QRegularExpression cyrillic("[А-Яа-яЁё]");
    for (int topic : TopicsTheProgramUses()) {
        const THelpTopic* t = help.Find(topic);
        ASSERT_NE(t, nullptr) << topic;
        EXPECT_FALSE(t->Title.isEmpty()) << topic;
        EXPECT_GE(t->BodyText.simplified().size(), 200) << topic << ": a real explanation, not a stub";
        EXPECT_TRUE(cyrillic.match(t->BodyText).hasMatch()) << topic << " is in Russian";
        const QString html = help.TopicHtml(topic);
        EXPECT_TRUE(html.contains(t->Title.toHtmlEscaped())) << topic;
        EXPECT_FALSE(html.contains("[[")) << topic << ": links are resolved";
        // Wording slips a reader notices in the pop-up text.
        const QString text = QTextDocumentFragment::fromHtml(html).toPlainText();
        static const QRegularExpression nested("«[^»]*«"), repeated("(«[^»]+») \\(\\1\\)"), dots("\\.\\.\\.\\.");
        EXPECT_FALSE(nested.match(text).hasMatch()) << topic << ": quotes inside quotes";
        EXPECT_FALSE(repeated.match(text).hasMatch()) << topic << ": a name repeated in brackets";
        EXPECT_FALSE(dots.match(text).hasMatch()) << topic << ": four dots";
        EXPECT_FALSE(text.contains("две секунды")) << topic << ": the lists wait 1,7 s";
    }
    // Every topic is listed in the contents and has its anchor.
    const QString document = help.DocumentHtml();
    for (const THelpTopic& t : help.Topics()) {
        EXPECT_TRUE(document.contains("href=\"#" + THelpFile::AnchorName(t.Number) + "\"")) << t.Number;
        EXPECT_TRUE(document.contains("name=\"" + THelpFile::AnchorName(t.Number) + "\"")) << t.Number;
    }
}

TEST(HelpFile, MarkupBecomesParagraphsListsBoldAndLinks) {
    QString error;
    const auto help = THelpFile::Parse(
        "= Помощь\n"
        "Вступление.\n"
        "== Группа\n"
        "=== 10 Первый\n"
        "Строка один\nи её продолжение.\n\n"
        "- пункт **жирный**\n"
        "  продолжение пункта\n"
        "- второй <пункт> & [[20]]\n"
        "=== 20 Второй & последний\n"
        "См. [[10]].\n",
        error);
    ASSERT_TRUE(help) << error.toStdString();
    EXPECT_EQ(help->Title(), "Помощь");
    ASSERT_EQ(help->Topics().size(), 2u);
    EXPECT_EQ(help->Topics()[0].Group, "Группа");
    EXPECT_EQ(help->TopicHtml(10),
              "<h3>Первый</h3>\n<p>Строка один и её продолжение.</p>\n<ul>\n"
              "<li>пункт <b>жирный</b> продолжение пункта</li>\n"
              "<li>второй &lt;пункт&gt; &amp; «Второй &amp; последний»</li>\n</ul>\n");
    EXPECT_TRUE(help->DocumentHtml().contains("<a href=\"#t10\">Первый</a>"));
    EXPECT_TRUE(help->DocumentHtml().contains("<p>Вступление.</p>"));
    EXPECT_EQ(help->TopicHtml(30), "");
}

TEST(HelpFile, MalformedHelpIsRefusedWithItsLine) {
    const auto refused = [](const char* text) {
        QString error;
        EXPECT_FALSE(THelpFile::Parse(QString::fromUtf8(text), error).has_value()) << text;
        return error.toStdString();
    };
    EXPECT_EQ(refused("= T\n\n=== abc Заголовок\n"), "строка 3: ожидается «=== номер заголовок»");
    EXPECT_EQ(refused("=== 5\n"), "строка 1: ожидается «=== номер заголовок»") << "a topic needs a title";
    EXPECT_NE(refused("=== 5 A\n=== 5 B\n").find("строка 2"), std::string::npos) << "duplicate number";
    EXPECT_NE(refused("=== 0 A\n").find("строка 1"), std::string::npos) << "0 is the contents";
    EXPECT_NE(refused("== Г\nтекст\n=== 5 A\n").find("строка 2"), std::string::npos);
    EXPECT_NE(refused("=== 5 A\n= Второй заголовок\n").find("строка 2"), std::string::npos);
    EXPECT_NE(refused("=== 5 A\nсм. [[6]]\n").find("6"), std::string::npos) << "link to nothing";
    EXPECT_EQ(refused("= Только заголовок\nтекст\n"), "в справке нет ни одного раздела");
}

TEST(HelpFile, UnreadableFilesNameTheFile) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(THelpFile::Load((dir.path() + "/нет.help").toStdString(), error));
    EXPECT_TRUE(error.contains("нет.help"));

    const QString latin1 = dir.path() + "/latin1.help";
    QFile file(latin1);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("=== 1 \xe9t\xe9\n");
    file.close();
    EXPECT_FALSE(THelpFile::Load(latin1.toStdString(), error));
    EXPECT_TRUE(error.contains("UTF-8"));

    const QString broken = dir.path() + "/broken.help";
    QFile file2(broken);
    ASSERT_TRUE(file2.open(QIODevice::WriteOnly));
    file2.write("=== x\n");
    file2.close();
    EXPECT_FALSE(THelpFile::Load(broken.toStdString(), error));
    EXPECT_TRUE(error.contains("broken.help") && error.contains("строка 1"));
}

// The text at the top of the help window's view.
QString TopLine(THelpWindow& window) { return window.Browser->cursorForPosition(QPoint(20, 8)).block().text(); }

TEST(HelpWindow, OpensAtTheTopicOrAtTheContents) {
    const THelpFile help = ShippedHelp();
    THelpWindow window;
    window.resize(500, 400);
    window.Load(TUNNEX_HELP_FILE);
    ASSERT_TRUE(window.Loaded());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    for (int topic : {2036, 1010, 2031}) {
        window.ShowTopic(topic);
        EXPECT_EQ(TopLine(window), help.Find(topic)->Title) << topic;
    }
    // The last topic cannot reach the top: the view ends with it.
    window.ShowTopic(2041);
    // The browser settles a long page's layout only once events run.
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Browser->verticalScrollBar()->value(), window.Browser->verticalScrollBar()->maximum());
    window.ShowTopic(0);
    EXPECT_EQ(window.Browser->verticalScrollBar()->value(), 0);
    EXPECT_EQ(TopLine(window), help.Title());
    window.ShowTopic(9999);
    EXPECT_EQ(TopLine(window), help.Title()) << "an unknown topic shows the contents";

    // A link within the page leads to its topic, and "Назад" returns.
    window.Browser->setSource(window.Browser->source().resolved(QUrl("#" + THelpFile::AnchorName(2033))));
    EXPECT_EQ(TopLine(window), help.Find(2033)->Title);
    ASSERT_TRUE(window.BackBtn->isEnabled());
    window.BackBtn->click();
    EXPECT_EQ(TopLine(window), help.Title());
    EXPECT_TRUE(window.ForwardBtn->isEnabled());

    // Loading the same unchanged file again keeps the reader's place and history.
    EXPECT_FALSE(window.Load(TUNNEX_HELP_FILE));
    EXPECT_TRUE(window.ForwardBtn->isEnabled());
}

TEST(HelpWindow, TheProgramHasOneHelpWindowThatKeepsItsHistory) {
    const THelpFile help = ShippedHelp();
    THelpWindow* window = THelpWindow::Open(TUNNEX_HELP_FILE, 2036);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(TopLine(*window), help.Find(2036)->Title);
    EXPECT_FALSE(window->BackBtn->isEnabled()) << "the reader starts at the topic asked for";
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose)) << "help left open does not keep the program running";

    EXPECT_EQ(THelpWindow::Open(TUNNEX_HELP_FILE, 2031), window);
    EXPECT_EQ(TopLine(*window), help.Find(2031)->Title);
    EXPECT_TRUE(window->BackBtn->isEnabled());
    delete window;
}

TEST(HelpWindow, MissingHelpFileIsExplainedInTheWindowAndThePopUp) {
    QTemporaryDir dir;
    const std::string missing = (dir.path() + "/tunnex.help").toStdString();
    THelpWindow window;
    window.Load(missing);
    EXPECT_FALSE(window.Loaded());
    EXPECT_TRUE(window.Browser->toPlainText().contains("Справка недоступна"));
    EXPECT_TRUE(window.Browser->toPlainText().contains(QString::fromStdString(missing)));

    struct TMissingHelp : TRecordingEnvironment {
        std::filesystem::path HelpFilePath() const override { return Path; }
        std::string Path;
    } environment;
    environment.Path = missing;
    EXPECT_TRUE(environment.HelpTopicText(2031).contains("Справка недоступна"));

    TRecordingEnvironment shipped;
    EXPECT_TRUE(shipped.HelpTopicText(2031).contains(ShippedHelp().Find(2031)->Title));
    EXPECT_TRUE(shipped.HelpTopicText(4242).contains("нет раздела 4242"));
}

TEST_F(FormTest, HelpMenuOpensTheContents) {
    AddCity();
    Started();
    form->Info->trigger();
    EXPECT_EQ(environment.HelpTopics, std::vector<int>{0});
}

}  // namespace
}  // namespace tnx::ui::test
