// Menu commands and the caption bar.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QWindow>

#include "shell/city_names.h"
#include "ui/about_box.h"
#include "ui/form_environment.h"
#include "ui/image_control.h"
#include "ui/main_form.h"
#include "ui/menu_panel.h"
#include "ui/options_dialog.h"
#include "ui/radio_group.h"
#include "ui/station_hint.h"

namespace tnx::ui {

void TForm1::SearchAgainAfter(TSearchAgain how, const std::function<bool()>& change) {
    if (how.SkipWhileSearching && state_.SearchRunning) {
        change();
        return;
    }
    TPauseScope pause(animationPause_);
    if (how.ClearFirst) {
        if (StationHint != nullptr) StationHint->hide();
        RadioGroup1->Clear();
        RadioGroup1->hide();
        QCoreApplication::processEvents();
    }
    if (change()) ShowRoutes();
}

// The four settings commands change the settings in memory only; they search again even
// during a search, which they can reach only through the messages it lets through.
void TForm1::N3Click() {
    SearchAgainAfter({}, [this] {
        // The menu has already toggled the check mark.
        state_.Settings.UseWaitTime = N3->isChecked();
        EnableTimeOfDay(state_.Settings.UseWaitTime);
        return true;
    });
}

void TForm1::N9Click() {
    SearchAgainAfter({}, [this] {
        state_.Settings.ShowOnlyOptimal = N9->isChecked();
        return true;
    });
}

void TForm1::N6Click() {
    SearchAgainAfter({}, [this] {
        N6->setChecked(true);
        state_.Settings.ArrangeByChanges = N7->isChecked();
        return true;
    });
}

void TForm1::N7Click() {
    SearchAgainAfter({}, [this] {
        N7->setChecked(true);
        state_.Settings.ArrangeByChanges = N7->isChecked();
        return true;
    });
}

void TForm1::OptionsClick() {
    // The dialog may change every setting and the city: no routes of the old ones stay
    // listed while it is open.
    SearchAgainAfter({.ClearFirst = true}, [this] {
        const std::unique_ptr<TOptionsDlg> dialog = CreateOptionsDlg();
        environment_.ExecDialog(*dialog);
        if (dialog->CityLoadFailed()) {
            // Neither the chosen city nor the first listed one opens: as at start-up.
            QCoreApplication::exit(kExitNoLoadableCity);
            return false;
        }
        return true;  // whatever the dialog's result
    });
}

std::unique_ptr<TOptionsDlg> TForm1::CreateOptionsDlg() {
    TOptionsInput input;
    input.Settings = state_.Settings;
    input.City = &state_.City;
    for (int i = 0; i < ComboBox1->count(); ++i)
        input.Stations.push_back({ComboBox1->itemText(i), ComboBox1->itemData(i).toInt()});
    input.Catalog = state_.Catalog;
    input.CurrentCityFile = state_.CurrentCityFile;
    input.DrawItem = ComboBox1->DrawItem();
    input.MatchItems = [this](const QString& typed) { return StationsNamed(typed); };
    return std::make_unique<TOptionsDlg>(this, environment_, std::move(input),
                                         [this](const TOptionsChoice& choice) { return ApplyOptions(choice); });
}

TOptionsApplied TForm1::ApplyOptions(const TOptionsChoice& choice) {
    const TOptionsConfirmed confirmed = state_.ConfirmOptions(choice);
    ShowSettingsInMenu();
    // Whether the city has evening times or not: only a city load asks that.
    EnableTimeOfDay(state_.Settings.UseWaitTime);
    TOptionsApplied applied{confirmed.Failures, false};
    if (confirmed.CityChosen) {
        // Reads the new city's stored settings, replacing the values just confirmed.
        applied.CityLoadFailed = !LoadCity(state_.CurrentCityFile);
        if (!applied.CityLoadFailed) FormActivate();
    }
    return applied;
}

void TForm1::InfoClick() { environment_.ShowHelp(0); }

void TForm1::AboutClick() {
    if (StationHint != nullptr) StationHint->hide();
    TPauseScope pause(animationPause_);
    TAboutBox box(this, environment_,
                  {state_.ProgramVersionText, state_.ProgramBuildText, QCoreApplication::applicationFilePath(),
                   state_.ProgramDirectory(), state_.Catalog});
    environment_.ExecDialog(box);
}

void TForm1::ShowContextMenu(QWidget* control, const QPoint& position) {
    contextMenuControl_ = control;
    PopupMenu1->popup(control->mapToGlobal(position));
}

void TForm1::N2Click() {
    if (contextMenuControl_ == nullptr) return;
    const QVariant topic = contextMenuControl_->property("HelpContext");
    if (topic.isValid()) environment_.ShowContextHelp(contextMenuControl_, topic.toInt());
}

void TForm1::CloseButtonClick() { close(); }

void TForm1::MenuPanel1Click() { close(); }

void TForm1::MenuPanel2Click() { showMinimized(); }

void TForm1::MenuPanel3Click() {
    if (height() < kClientHeight) {
        MenuPanel3->SetCaption(QString::fromUtf8("⇧"));
        setFixedSize(width(), kClientHeight);
        Panel2->show();
        Panel3->show();
        MenuPanel3->setToolTip("Спрятать");
    } else {
        MenuPanel3->SetCaption(QString::fromUtf8("⇩"));
        Panel3->hide();
        Panel2->hide();
        setFixedSize(width(), kCaptionHeight);
        MenuPanel3->setToolTip("Показать");
    }
}

// The window follows the pointer once it has moved a little with a button held,
// so that a double-click on the caption still reaches the window.
void TForm1::Image3MouseDown(QMouseEvent* event) {
    if (menuMove_) {  // the click that ends a move begun from the window menu
        menuMove_ = false;
        dragging_ = false;
        Image3->setMouseTracking(false);
        Image3->releaseMouse();
        return;
    }
    dragging_ = true;
    systemMove_ = false;
    dragButton_ = event->button();
    dragStart_ = event->globalPosition().toPoint();
    windowStart_ = pos();
}

void TForm1::Image3MouseMove(QMouseEvent* event) {
    if (!dragging_ || (event->buttons() == Qt::NoButton && !menuMove_)) return;
    const QPoint delta = event->globalPosition().toPoint() - dragStart_;
    if (!systemMove_) {
        if (delta.manhattanLength() < QApplication::startDragDistance()) return;
        // The platform's own move, where it has one, also works under Wayland. Window
        // managers end it only on the left button's release, so other buttons move here.
        if (dragButton_ == Qt::LeftButton && windowHandle() != nullptr && windowHandle()->startSystemMove()) {
            dragging_ = false;
            return;
        }
        systemMove_ = true;  // not offered: move the window here
    }
    move(windowStart_ + delta);
}

void TForm1::MoveFromWindowMenu() {
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
    menuMove_ = true;
    dragging_ = true;
    systemMove_ = true;
    dragStart_ = QCursor::pos();
    windowStart_ = pos();
    Image3->setMouseTracking(true);  // moves without a button held reach it only so
    Image3->grabMouse();
}

void TForm1::Image5MouseUp(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    WindowMenu->exec(event->globalPosition().toPoint());
}

QString TForm1::CaptionText() const {
    return "Tunnex v" + QString::fromStdString(state_.ProgramVersionText) + " - [ " +
           QString::fromStdString(CityName(state_.City.CityCode)) + " ]";
}

void TForm1::SetCaptionButtonColours(const QColor& colour, const QColor& glyph) {
    for (TMenuPanel* button : {MenuPanel1, MenuPanel2, MenuPanel3}) {
        button->SetFontColor(glyph);
        button->SetColor(colour);
    }
}

void TForm1::DrawCaption(const char* resource, const QColor& textColour) {
    // Drawn anew from the gradient, so no earlier text remains.
    QImage picture = QImage(resource).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&picture);
    QFont captionFont = font();
    captionFont.setPointSize(9);
    captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.setPen(textColour);
    painter.drawText(QRect(20, 1, picture.width() - 20, picture.height() - 1), Qt::AlignLeft | Qt::AlignTop,
                     CaptionText());
    painter.end();
    Image3->SetPicture(picture);
}

void TForm1::FormActivate() {
    SetCaptionButtonColours(QColor(0, 0, 255), TMenuPanel::kAqua);
    DrawCaption(":/tunnex/ACAP", QColor(255, 255, 255));
}

void TForm1::FormDeactivate() {
    if (StationHint != nullptr) StationHint->hide();
    SetCaptionButtonColours(QColor(128, 128, 128), TMenuPanel::kSilver);
    DrawCaption(":/tunnex/ICAP", TMenuPanel::kSilver);
}

}  // namespace tnx::ui
