// The endpoints and the route search's window effects.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

#include <QFontDatabase>

#include "engine/search_command.h"
#include "ui/image_control.h"
#include "ui/main_form.h"
#include "ui/radio_group.h"
#include "ui/route_card.h"
#include "ui/station_hint.h"
#include "ui/text_fit.h"

namespace tnx::ui {
namespace {

// Restores the pointer and the flag however the search ends.
class TSearchScope {
public:
    explicit TSearchScope(bool& running) : running_(running) {
        running_ = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TSearchScope() {
        QApplication::restoreOverrideCursor();
        running_ = false;
    }
    TSearchScope(const TSearchScope&) = delete;
    TSearchScope& operator=(const TSearchScope&) = delete;

private:
    bool& running_;
};

}  // namespace

void TForm1::SetEndpoints(std::uint8_t start, std::uint8_t finish) {
    if (!state_.EndpointsWouldChange(start, finish)) return;
    TPauseScope pause(animationPause_);
    {
        QPainter painter(&Image1->Picture());
        const auto erase = [&](std::uint8_t n) {
            const TStation& s = state_.City.Station(n);
            const QRect square = EraseSquare(s.X, s.Y);
            painter.drawImage(square.topLeft(), bitmaps_.SchemeBitmap, square);
        };
        if (start != state_.StartStation && state_.IsStation(state_.StartStation)) erase(state_.StartStation);
        if (finish != state_.EndStation && state_.IsStation(state_.EndStation)) erase(state_.EndStation);
        const TStation& first = state_.City.Station(start);
        const TStation& last = state_.City.Station(finish);
        painter.drawImage(MarkerCorner(first.X, first.Y), bitmaps_.Flag1);
        painter.drawImage(MarkerCorner(last.X, last.Y), bitmaps_.Flag2);
    }
    Image1->update();
    state_.SetEndpoints(start, finish);
    ShowRoutes();
}

// In the route list's place, in a fixed-pitch font small enough for its longest line, so
// that the values stay lined up and nothing wraps.
void TForm1::ShowCityInfo() {
    const QString text = QString::fromStdString(state_.CityInfoText());
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(8);
    Label1->setFont(FontFittingAll(fixed, text.split("\r\n"), Label1->width()));
    Label1->setText(text);
    Label1->show();
}

void TForm1::ShowRoutes() {
    Label1->clear();
    Label1->hide();
    RadioGroup1->hide();
    RadioGroup1->Clear();
    if (StationHint != nullptr) StationHint->hide();
    Image1->unsetCursor();
    if (state_.StartStation == state_.EndStation) {
        ShowCityInfo();
        return;
    }

    TSearchScope search(state_.SearchRunning);
    // Paint the hidden list and the hourglass before the search holds the thread.
    QCoreApplication::processEvents();
    // A copy: the message box below lets messages through, and they may search again.
    const TSearchOutcome outcome = state_.Search(DayRadioButton->isChecked(), EvRadioButton->isChecked());

    if (outcome.Result == TSearchResult::NoRoute) {
        ErrorMessage(kNoRouteMessage);
        return;
    }
    if (outcome.Result != TSearchResult::Routes) return;
    for (const std::string& entry : outcome.Entries) RadioGroup1->AddItem(QString::fromStdString(entry));
    RadioGroup1->SetItemIndex(0);
    RadioGroup1->show();
    RouteCard->SetRoutes(state_.City, state_.CityModuleHandle.get(), state_.StartStation, state_.EndStation,
                         outcome.Listed);
    RouteCard->ShowRoute(0, ShownRoute());
    // From the route list the keyboard goes on to the card.
    QWidget::setTabOrder(RadioGroup1->Button(RadioGroup1->Count() - 1), RouteCard);
}

TRouteFrameInput TForm1::ShownRoute() const {
    return {state_.City,
            bitmaps_,
            state_.StartStation,
            state_.EndStation,
            state_.ShownRouteStations,
            state_.ShownRouteTransfers};
}

void TForm1::RadioGroup1Click() {
    const int index = RadioGroup1->ItemIndex();
    if (!state_.HasListedRoute(index)) return;
    TPauseScope pause(animationPause_);
    state_.ShowListedRoute(index);
    RouteCard->ShowRoute(index, ShownRoute());
}

// A click on a time-of-day button is taken while a search lets messages through; it
// switches the buttons only, and the running search keeps the table it chose.
void TForm1::DayRadioButtonClick() {
    SearchAgainAfter({.SkipWhileSearching = true}, [this] {
        DayRadioButton->setChecked(true);
        EvRadioButton->setChecked(false);
        return true;
    });
}

void TForm1::EvRadioButtonClick() {
    SearchAgainAfter({.SkipWhileSearching = true}, [this] {
        EvRadioButton->setChecked(true);
        DayRadioButton->setChecked(false);
        return true;
    });
}

}  // namespace tnx::ui
