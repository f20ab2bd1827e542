// The living map: choosing stations with the pointer, the blinking route and
// the threads that drive the animation and apply the station lists.
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "ui/blinking_line.h"
#include "ui/form_environment.h"
#include "ui/image_control.h"
#include "ui/main_form.h"
#include "ui/route_frame.h"
#include "ui/station_hint.h"
#include "ui/station_hint_placement.h"
#include "ui/station_watcher.h"

namespace tnx::ui {
namespace {

// The pop-up's corner relative to the pointer.
const QPoint kHintOffset(10, 20);

}  // namespace

// The threads use the window's members: they end before anything else goes.
TForm1::~TForm1() { StopThreads(); }

void TForm1::ConnectMap() {
    Image1->setMouseTracking(true);
    connect(Image1, &TImage::MouseMove, this, [this](QMouseEvent* event) {
        const QPoint at = event->position().toPoint();
        Image1MouseMove(event->modifiers(), at.x(), at.y());
    });
    connect(Image1, &TImage::MouseDown, this, [this](QMouseEvent* event) {
        const QPoint at = event->position().toPoint();
        Image1MouseDown(event->button(), event->modifiers(), at.x(), at.y());
    });
}

void TForm1::BuildStationHitGrid() { stationHitGrid_.Build(state_.City); }

void TForm1::Image1MouseMove(Qt::KeyboardModifiers, int x, int y) {
    if (state_.SearchRunning || !environment_.ApplicationActive()) return;
    const std::uint8_t cell = stationHitGrid_.At(x, y);
    const bool onStation = cell != 0 && cell != TStationHitGrid::kNearStation && cell <= state_.City.NumOfStations;
    if (!onStation) {
        if (Image1->cursor().shape() == Qt::PointingHandCursor) Image1->unsetCursor();
    } else if (state_.City.Station(cell).InOperation != 0) {
        Image1->setCursor(Qt::PointingHandCursor);
    }
    // A station not in operation keeps whatever pointer it was reached with.
    if (!state_.Settings.ShowPopUp || StationHint == nullptr) return;
    if (onStation) {
        ShowStationHint(cell, x, y);
        return;
    }
    StationHint->hide();
    lastHintStation_ = 0;
}

void TForm1::ShowStationHint(std::uint8_t station, int x, int y) {
    const QString text =
        " " + QString::fromStdString(Cp1251ToUtf8(DisplayName(StoredName(state_.City.Station(station)))));
    const QPoint anchor = Image1->mapToGlobal(QPoint(x, y) + kHintOffset);
    const QRect measured = QFontMetrics(StationHint->font()).boundingRect(QRect(0, 0, 5, 5), Qt::TextSingleLine, text);
    const QSize textSize(measured.x() + measured.width(), measured.y() + measured.height());
    const QScreen* screen = Image1->screen();
    const QRect screenRect = screen != nullptr ? screen->geometry() : QRect(0, 0, environment_.ScreenWidth(), 600);
    StationHint->setText(text);
    StationHint->setGeometry(StationHintRect(anchor, textSize, screenRect));
    StationHint->show();
    StationHint->raise();
    lastHintStation_ = station;
}

void TForm1::Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    // The map panel's help menu is offered only for a click on empty map.
    Panel3->setContextMenuPolicy(Qt::NoContextMenu);
    const auto offerHelpMenu = [this] { Panel3->setContextMenuPolicy(Qt::CustomContextMenu); };
    if (state_.SearchRunning || !TStationHitGrid::InActiveArea(x, y)) {
        offerHelpMenu();
        return;
    }
    const std::uint8_t cell = stationHitGrid_.At(x, y);
    if (cell == 0) {
        offerHelpMenu();
        return;
    }
    if (cell == TStationHitGrid::kNearStation || cell > state_.City.NumOfStations) return;
    const TStation& station = state_.City.Station(cell);
    if (station.InOperation == 0) return;
    if (button == Qt::LeftButton) {
        ShowInList(ComboBox1, cell);
        SetEndpoints(cell, state_.EndStation);
    } else if (button == Qt::RightButton) {
        ShowInList(ComboBox2, cell);
        SetEndpoints(state_.StartStation, cell);
    }
}

void TForm1::DrawRouteFrame() { PaintRouteFrame(bitmaps_.FrameBitmap, ShownRoute()); }

void TForm1::ShowRouteFrame() {
    {
        QPainter painter(&Image1->Picture());
        painter.drawImage(0, 0, bitmaps_.FrameBitmap);
    }
    Image1->update();
}

void TForm1::ShowPlainFrame() {
    {
        QPainter painter(&Image1->Picture());
        painter.drawImage(0, 0, bitmaps_.SchemeBitmap);
        const auto marker = [&](std::uint8_t n, const QImage& picture) {
            if (!state_.IsStation(n)) return;
            painter.drawImage(MarkerCorner(state_.City.Station(n).X, state_.City.Station(n).Y), picture);
        };
        marker(state_.EndStation, bitmaps_.Flag2A);
        marker(state_.StartStation, bitmaps_.Flag1A);
    }
    Image1->update();
}

void TForm1::StartThreads() {
    blinkingLine_ = std::make_unique<TBlinkingLine>(
        animationPause_,
        TBlinkingSteps{[this] { DrawRouteFrame(); }, [this] { ShowRouteFrame(); }, [this] { ShowPlainFrame(); }});
    blinkingLine_->start();
    checkStationsChanged_ =
        std::make_unique<TCheckStationsChanged>(state_.StationChange, [this] { ApplyStationLists(); });
    checkStationsChanged_->start();
    state_.StationChange.Clear();
}

// Safe from anywhere on the main thread, also from inside a step: a worker
// waiting for a step stops waiting at once.
void TForm1::StopThreads() {
    if (checkStationsChanged_) checkStationsChanged_->Stop();
    if (blinkingLine_) blinkingLine_->Stop();
}

}  // namespace tnx::ui
