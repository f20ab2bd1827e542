// The About box: version, support links, terms of use, and the scrolling credits
// and greetings.
#pragma once

#include <QDialog>
#include <QLabel>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/module_catalog.h"

class QPlainTextEdit;
class QTabWidget;
class QPushButton;
class QFrame;

namespace tnx::ui {

class TFormEnvironment;
class TImage;
class TScroll;

// A label that reports a left click, drawn as a link.
class TLinkLabel : public QLabel {
public:
    TLinkLabel(const QString& caption, const QString& hint, QWidget* parent);
    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A tab page that reports being shown and hidden (not the window's own showing).
class TTabSheet : public QWidget {
public:
    std::function<void()> OnShow;
    std::function<void()> OnHide;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

struct TAboutSources {
    std::string VersionText;  // "2.20.3"
    std::string BuildText;    // "9"
    QString ProgramFile;      // whose last-write time is the build date
    std::filesystem::path ProgramDirectory;
    std::vector<TCatalogEntry> Catalog;
};

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 407;
    static constexpr int kClientHeight = 372;

    TAboutBox(QWidget* owner, TFormEnvironment& environment, TAboutSources sources);
    ~TAboutBox() override;

    void ProgramIconMouseUp(QMouseEvent* event);
    void TabDevelopersShow();
    void TabDevelopersHide();
    void TabHiddenShow();
    void TabHiddenHide();
    void FormClose();

    // The scrollers, empty until their tab is first shown.
    TScroll* DevelopersScroll() const { return developersScroll_.get(); }
    TScroll* HiddenScroll() const { return hiddenScroll_.get(); }

    QFrame* Panel1;
    TImage* ProgramIcon;
    QLabel* ProductName;
    QPlainTextEdit* Version;
    QLabel* Copyright;
    QTabWidget* PageControl1;
    TTabSheet* TabSupport;
    TTabSheet* TabLicense;
    TTabSheet* TabDevelopers;
    TTabSheet* TabHidden;
    QPlainTextEdit* Memo1;
    QLabel* Comments;
    TLinkLabel* Label1;
    QLabel* Label2;
    TLinkLabel* Label3;
    QPlainTextEdit* Memo2;
    TImage* Image2;
    TImage* Image1;
    QPushButton* BitBtn1;

public slots:
    void done(int result) override;

private:
    void CreateControls();
    void FormCreate();
    void FillWithFace(TImage* image);

    TFormEnvironment& environment_;
    TAboutSources sources_;
    std::unique_ptr<TScroll> hiddenScroll_;
    std::unique_ptr<TScroll> developersScroll_;
};

}  // namespace tnx::ui
