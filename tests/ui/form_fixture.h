// A program folder made by the test, a desktop that records instead of
// blocking, and a main window started in that folder.
#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/form_environment.h"
#include "ui/main_form.h"

namespace tnx::ui::test {

class TRecordingEnvironment : public TFormEnvironment {
public:
    int ScreenWidth() const override { return Screen; }
    QRect ScreenArea() const override { return {0, 0, Screen, ScreenHeight}; }
    QRect UsableScreen() const override { return Usable.isNull() ? ScreenArea() : Usable; }
    void ErrorBox(QWidget* parent, const std::string& text) override;
    void Wait(int milliseconds) override {
        Waits.push_back(milliseconds);
        if (OnWait) OnWait();
    }
    bool ApplicationActive() const override { return Active; }
    void ShowHelp(int topic) override { HelpTopics.push_back(topic); }
    void ShowContextHelp(QWidget* control, int topic) override {
        ContextHelp.push_back(topic);
        ContextHelpControl = control;
    }
    std::filesystem::path HelpFilePath() const override { return TUNNEX_HELP_FILE; }
    // Never modal: OnDialog acts as the user and gives the result (Rejected without it).
    int ExecDialog(QDialog& dialog) override {
        ++DialogsShown;
        return OnDialog ? OnDialog(dialog) : 0;
    }
    bool OpenUrl(const QUrl& url) override {
        OpenedUrls.push_back(url.toString().toStdString());
        return UrlHandlers;
    }

    int Screen = 1024;
    int ScreenHeight = 768;
    QRect Usable;  // the whole screen when null
    bool Active = true;
    std::function<void()> OnWait;
    std::vector<std::string> Messages;
    int MessagesOverSplash = 0;  // shown while the splash screen was up
    std::vector<int> Waits;
    std::vector<int> HelpTopics;
    std::vector<int> ContextHelp;
    QWidget* ContextHelpControl = nullptr;
    std::function<int(QDialog&)> OnDialog;
    int DialogsShown = 0;
    std::vector<std::string> OpenedUrls;
    bool UrlHandlers = true;  // false: no mail program or browser is set up
};

QSettings UserSettings();
void ClearUserSettings();

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path Folder() const;
    void AddCity(const std::string& as = "kharkiv.tnd");
    void AddFake(const std::string& fake, const std::string& as);
    void AddJunk(const std::string& as);

    // A new main window in the folder, started; the previous one is closed first.
    std::optional<int> Start();
    // Start() that must succeed.
    TForm1& Started();

    // Station number by its stored name (UTF-8).
    std::uint8_t Station(const std::string& name) const;
    int ListIndex(const std::string& name) const;
    // What the route list must hold: the search command's entries for the window's own
    // endpoints, settings and time-of-day buttons, from a search of its own.
    QStringList SearchedEntries() const;

    TRecordingEnvironment environment;
    std::unique_ptr<TForm1> form;

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

// The main window with Kharkiv loaded, shown on the screen.
class ShownFormTest : public FormTest {
protected:
    void SetUp() override;
};

}  // namespace tnx::ui::test
