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

void TForm1::BuildStationHitGrid() { StationHitGrid.Build(City); }

void TForm1::Image1MouseMove(Qt::KeyboardModifiers, int x, int y) {
    if (SearchRunning || !environment_.ApplicationActive()) return;
    const std::uint8_t cell = StationHitGrid.At(x, y);
    const bool onStation = cell != 0 && cell != TStationHitGrid::kNearStation && cell <= City.NumOfStations;
    if (!onStation) {
        if (Image1->cursor().shape() == Qt::PointingHandCursor) Image1->unsetCursor();
    } else if (City.Station(cell).InOperation != 0) {
        Image1->setCursor(Qt::PointingHandCursor);
    }
    // A station not in operation keeps whatever pointer it was reached with.
    if (!Settings.ShowPopUp || StationHint == nullptr) return;
    if (onStation) {
        ShowStationHint(cell, x, y);
        return;
    }
    StationHint->hide();
    LastHintStation = 0;
}

void TForm1::ShowStationHint(std::uint8_t station, int x, int y) {
    const QString text = " " + QString::fromStdString(Cp1251ToUtf8(DisplayName(StoredName(City.Station(station)))));
    const QPoint anchor = Image1->mapToGlobal(QPoint(x, y) + kHintOffset);
    const QRect measured = QFontMetrics(StationHint->font()).boundingRect(QRect(0, 0, 5, 5), Qt::TextSingleLine, text);
    const QSize textSize(measured.x() + measured.width(), measured.y() + measured.height());
    const QScreen* screen = Image1->screen();
    const QRect screenRect = screen != nullptr ? screen->geometry() : QRect(0, 0, environment_.ScreenWidth(), 600);
    StationHint->setText(text);
    StationHint->setGeometry(StationHintRect(anchor, textSize, screenRect));
    StationHint->show();
    StationHint->raise();
    LastHintStation = station;
}

void TForm1::Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
    // The map panel's help menu is offered only for a click on empty map.
    Panel3->setContextMenuPolicy(Qt::NoContextMenu);
    const auto offerHelpMenu = [this] { Panel3->setContextMenuPolicy(Qt::CustomContextMenu); };
    if (SearchRunning || !TStationHitGrid::InActiveArea(x, y)) {
        offerHelpMenu();
        return;
    }
    const std::uint8_t cell = StationHitGrid.At(x, y);
    if (cell == 0) {
        offerHelpMenu();
        return;
    }
    if (cell == TStationHitGrid::kNearStation || cell > City.NumOfStations) return;
    const TStation& station = City.Station(cell);
    if (station.InOperation == 0) return;
    if (button == Qt::LeftButton) {
        ShowInList(ComboBox1, cell);
        SetEndpoints(cell, EndStation);
    } else if (button == Qt::RightButton) {
        ShowInList(ComboBox2, cell);
        SetEndpoints(StartStation, cell);
    }
}

void TForm1::DrawRouteFrame() {
    PaintRouteFrame(Bitmaps.FrameBitmap,
                    {City, Bitmaps, StartStation, EndStation, ShownRouteStations, ShownRouteTransfers});
}

void TForm1::ShowRouteFrame() {
    {
        QPainter painter(&Image1->Picture());
        painter.drawImage(0, 0, Bitmaps.FrameBitmap);
    }
    Image1->update();
}

void TForm1::ShowPlainFrame() {
    {
        QPainter painter(&Image1->Picture());
        painter.drawImage(0, 0, Bitmaps.SchemeBitmap);
        const auto marker = [&](std::uint8_t n, const QImage& picture) {
            if (n < 1 || n > City.NumOfStations) return;
            painter.drawImage(MarkerCorner(City.Station(n).X, City.Station(n).Y), picture);
        };
        marker(EndStation, Bitmaps.Flag2A);
        marker(StartStation, Bitmaps.Flag1A);
    }
    Image1->update();
}

void TForm1::StartThreads() {
    BlinkingLine = std::make_unique<TBlinkingLine>(
        AnimationPause,
        TBlinkingSteps{[this] { DrawRouteFrame(); }, [this] { ShowRouteFrame(); }, [this] { ShowPlainFrame(); }});
    BlinkingLine->start();
    CheckStationsChanged = std::make_unique<TCheckStationsChanged>(StationChange, [this] { ApplyStationLists(); });
    CheckStationsChanged->start();
    StationChange.Clear();
}

// Safe from anywhere on the main thread, also from inside a step: a worker
// waiting for a step stops waiting at once.
void TForm1::StopThreads() {
    if (CheckStationsChanged) CheckStationsChanged->Stop();
    if (BlinkingLine) BlinkingLine->Stop();
}

}  // namespace tnx::ui
