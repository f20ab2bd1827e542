// What the main window asks of the desktop. Tests replace it, so that no
// message box blocks and the screen width can be chosen.
#pragma once

#include <QRect>

#include <filesystem>
#include <string>

class QDialog;
class QString;
class QUrl;
class QWidget;

namespace tnx::ui {

class TFormEnvironment {
public:
    virtual ~TFormEnvironment() = default;

    virtual int ScreenWidth() const;
    // The whole screen, and the part of it windows may cover (without panels and docks).
    virtual QRect ScreenArea() const;
    virtual QRect UsableScreen() const;
    // A modal error message with one OK button; lines are broken by CR LF.
    virtual void ErrorBox(QWidget* parent, const std::string& text);
    // The start-up pauses that let the splash screen be read.
    virtual void Wait(int milliseconds);
    virtual bool ApplicationActive() const;
    // The help window at a topic, 0 for its contents.
    virtual void ShowHelp(int topic);
    // A control's help topic as a pop-up.
    virtual void ShowContextHelp(QWidget* control, int topic);
    // The help file beside the program.
    virtual std::filesystem::path HelpFilePath() const;
    // A topic's text for a pop-up; an explanation when the help cannot be read.
    QString HelpTopicText(int topic) const;
    // Shows a dialog modally and returns its result.
    virtual int ExecDialog(QDialog& dialog);
    // The platform's opener for a mail or web address.
    virtual bool OpenUrl(const QUrl& url);
};

inline constexpr const char* kHelpFileName = "tunnex.help";

}  // namespace tnx::ui
