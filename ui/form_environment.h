// What the main window asks of the desktop. Tests replace it, so that no
// message box blocks and the screen width can be chosen.
#pragma once

#include <string>

class QWidget;

namespace tnx::ui {

class TFormEnvironment {
public:
    virtual ~TFormEnvironment() = default;

    virtual int ScreenWidth() const;
    // A modal error message with one OK button; lines are broken by CR LF.
    virtual void ErrorBox(QWidget* parent, const std::string& text);
    // The start-up pauses that let the splash screen be read.
    virtual void Wait(int milliseconds);
    virtual bool ApplicationActive() const;
    // The help file at a topic, 0 for its contents; the help window comes with the help file.
    virtual void ShowHelp(int topic);
    // A control's help topic as a pop-up.
    virtual void ShowContextHelp(QWidget* control, int topic);
};

}  // namespace tnx::ui
