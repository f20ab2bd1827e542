// The two station lists: drawing, finding a station by typing, choosing, and
// swapping start and end.
#include <QPainter>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "model/name_matcher.h"
#include "shell/city_pictures.h"
#include "ui/line_icon.h"
#include "ui/main_form.h"
#include "ui/station_combo.h"
#include "ui/text_fit.h"

namespace tnx::ui {
namespace {

constexpr int kMissingIconWidth = 16;

}  // namespace

void TForm1::ComboBox1Change() { state_.StationChange.Arm(TStationChangeState::TClock::now()); }

void TForm1::StationChosen() {
    // A search is running and processing messages: the watcher applies it afterwards.
    if (state_.SearchRunning) {
        ComboBox1Change();
        return;
    }
    // A deliberate choice, like a click on the scheme: no waiting. Whatever the
    // other list shows is applied with it.
    state_.StationChange.Clear();
    ApplyStationLists();
}

void TForm1::SwapButtonClick() {
    if (state_.SearchRunning) return;
    const std::uint8_t listedStart = ListedStation(ComboBox1);
    const std::uint8_t listedEnd = ListedStation(ComboBox2);
    const std::uint8_t start = listedEnd != 0 ? listedEnd : state_.EndStation;
    const std::uint8_t finish = listedStart != 0 ? listedStart : state_.StartStation;
    TPauseScope pause(animationPause_);
    ShowInList(ComboBox1, start);
    ShowInList(ComboBox2, finish);
    // The lists now show the swapped pair, which is applied here and now.
    state_.StationChange.Clear();
    SetEndpoints(start, finish);
}

void TForm1::ApplyStationLists() {
    // A choice still being made in an open list is not applied.
    if (ComboBox1->DroppedDown() || ComboBox2->DroppedDown()) return;
    const std::uint8_t finish = ListedStation(ComboBox2);
    const std::uint8_t start = ListedStation(ComboBox1);
    // A list without a selection keeps its endpoint.
    SetEndpoints(start != 0 ? start : state_.StartStation, finish != 0 ? finish : state_.EndStation);
}

std::uint8_t TForm1::ListedStation(const TStationComboBox* box) const {
    if (box->currentIndex() < 0) return 0;
    const auto name = Utf8ToCp1251(box->currentText().toStdString());
    return name ? FindStationByName(state_.City, *name) : 0;
}

void TForm1::ShowInList(TStationComboBox* box, std::uint8_t station) {
    if (!state_.IsStation(station)) return;
    box->hidePopup();  // ends a search typed into it
    // Selected by the program, so the watcher does not take it for the user's choice.
    const QString name = QString::fromStdString(Cp1251ToUtf8(StoredName(state_.City.Station(station))));
    const int index = box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) box->setCurrentIndex(index);
}

std::vector<int> TForm1::StationsNamed(const QString& typed) const {
    std::vector<int> stations;
    // A character Windows-1251 lacks is in no station's name.
    if (const auto bytes = Utf8ToCp1251(typed.toStdString()))
        for (const TNameCandidate& c : MatchStations(state_.City, *bytes)) stations.push_back(c.Station);
    return stations;
}

void TForm1::ComboBoxDrawItem(QPainter& painter, const QRect& rect, const QString& itemText, bool selected,
                              const QPalette& palette) {
    const auto stored = Utf8ToCp1251(itemText.toStdString());
    const std::uint8_t station = stored ? FindStationByName(state_.City, *stored) : 0;
    const QImage icon =
        station != 0 ? LineIcon(state_.CityModuleHandle.get(), state_.City.Station(station).Line) : QImage();

    painter.fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    if (!icon.isNull()) painter.drawImage(rect.left() + 2, rect.top(), icon);
    const int iconWidth = icon.isNull() ? kMissingIconWidth : icon.width();
    const QString shown = stored ? QString::fromStdString(Cp1251ToUtf8(DisplayName(*stored))) : itemText;
    painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect textRect(rect.left() + iconWidth + 6, rect.top() + 1, rect.width() - iconWidth - 6, rect.height() - 1);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop,
                     ElideAtWord(shown, painter.fontMetrics(), textRect.width()));
}

}  // namespace tnx::ui
