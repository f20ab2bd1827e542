// The endpoints and the route search's window effects.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

#include "engine/search_command.h"
#include "model/cp1251.h"
#include "model/lookups.h"
#include "ui/form_environment.h"
#include "ui/image_control.h"
#include "ui/line_icon.h"
#include "ui/main_form.h"
#include "ui/text_fit.h"

#include <QFontDatabase>
#include "ui/radio_group.h"
#include "ui/route_card.h"
#include "ui/station_hint.h"

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
    if (start == StartStation && finish == EndStation) return;
    const auto isStation = [this](std::uint8_t n) { return n >= 1 && n <= City.NumOfStations; };
    if (!isStation(start) || !isStation(finish)) return;

    TPauseScope pause(AnimationPause);
    {
        QPainter painter(&Image1->Picture());
        const auto erase = [&](std::uint8_t n) {
            const TStation& s = City.Station(n);
            const QRect square = EraseSquare(s.X, s.Y);
            painter.drawImage(square.topLeft(), Bitmaps.SchemeBitmap, square);
        };
        if (start != StartStation && isStation(StartStation)) erase(StartStation);
        if (finish != EndStation && isStation(EndStation)) erase(EndStation);
        const TStation& first = City.Station(start);
        const TStation& last = City.Station(finish);
        painter.drawImage(MarkerCorner(first.X, first.Y), Bitmaps.Flag1);
        painter.drawImage(MarkerCorner(last.X, last.Y), Bitmaps.Flag2);
    }
    Image1->update();
    StartStation = start;
    EndStation = finish;
    ShowRoutes();
}

// In the route list's place, in a fixed-pitch font small enough for its longest line, so
// that the values stay lined up and nothing wraps.
void TForm1::ShowCityInfo() {
    const QString text = QString::fromStdString(CityInfoText());
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
    if (StartStation == EndStation) {
        ShowCityInfo();
        return;
    }

    TSearchScope search(SearchRunning);
    // Paint the hidden list and the hourglass before the search holds the thread.
    QCoreApplication::processEvents();

    TSearchRequest request;
    request.StartStation = StartStation;
    request.EndStation = EndStation;
    request.Settings = Settings;
    request.DayChecked = DayRadioButton->isChecked();
    request.EveningChecked = EvRadioButton->isChecked();
    const TSearchOutcome outcome = RunSearchCommand(City, *searchData_, *searchWork_, *routes_, request);

    if (outcome.Result == TSearchResult::NoRoute) {
        ShownRouteStations.Clear();
        ShownRouteTransfers.Clear();
        ErrorMessage(kNoRouteMessage);
        return;
    }
    if (outcome.Result != TSearchResult::Routes) return;
    for (const std::string& entry : outcome.Entries) RadioGroup1->AddItem(QString::fromStdString(entry));
    ShownRouteStations = outcome.ShownRouteStations;
    ShownRouteTransfers = outcome.ShownRouteTransfers;
    RadioGroup1->SetItemIndex(0);
    RadioGroup1->show();
    RouteCard->SetRoutes(City, CityModuleHandle.get(), StartStation, EndStation, outcome.Listed);
    RouteCard->ShowRoute(0, {City, Bitmaps, StartStation, EndStation, ShownRouteStations, ShownRouteTransfers});
    // From the route list the keyboard goes on to the card.
    QWidget::setTabOrder(RadioGroup1->Button(RadioGroup1->Count() - 1), RouteCard);
}

void TForm1::RadioGroup1Click() {
    const int index = RadioGroup1->ItemIndex();
    if (index < 0 || index >= routes_->RouteCount) return;
    TPauseScope pause(AnimationPause);
    ShownRouteStations = routes_->Route(index + 1).Stations;
    ShownRouteTransfers = routes_->Route(index + 1).ChangeStations;
    RouteCard->ShowRoute(index, {City, Bitmaps, StartStation, EndStation, ShownRouteStations, ShownRouteTransfers});
}

void TForm1::DayRadioButtonClick() {
    DayRadioButton->setChecked(true);
    EvRadioButton->setChecked(false);
    if (SearchRunning) return;
    TPauseScope pause(AnimationPause);
    ShowRoutes();
}

void TForm1::EvRadioButtonClick() {
    EvRadioButton->setChecked(true);
    DayRadioButton->setChecked(false);
    if (SearchRunning) return;
    TPauseScope pause(AnimationPause);
    ShowRoutes();
}

}  // namespace tnx::ui
