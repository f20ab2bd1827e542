// The program's help window: the help file as one page, opened at a topic.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <filesystem>
#include <optional>

#include "ui/help_file.h"

class QPushButton;
class QTextBrowser;

namespace tnx::ui {

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Reads the help file unless it is already shown unchanged; a missing or broken
    // file shows its error instead. True when the page was read anew.
    bool Load(const std::filesystem::path& helpFile);
    // Scrolls to the topic; 0 or an unknown number shows the contents.
    void ShowTopic(int topic);
    bool Loaded() const { return loaded_; }
    // The one help window of the program, opened at topic and brought to the front.
    static THelpWindow* Open(const std::filesystem::path& helpFile, int topic);

    QTextBrowser* Browser;
    QPushButton* ContentsBtn;
    QPushButton* BackBtn;
    QPushButton* ForwardBtn;

private:
    std::optional<THelpFile> help_;
    bool loaded_ = false;
    std::filesystem::path path_;
    QDateTime written_;
};

}  // namespace tnx::ui
