// The route card: how to travel the route chosen in the route list, step by step. The
// window keeps its fixed size and its left panel is full, so the card lies over the
// scheme, where the route leaves room, and the user can drag it elsewhere or hide it.
#pragma once

#include <QFrame>
#include <QImage>
#include <QString>
#include <cstdint>
#include <map>
#include <vector>

#include "engine/search_command.h"
#include "shell/city_module.h"
#include "ui/route_frame.h"

class QLabel;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

namespace tnx::ui {

class TRouteCard : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 250;
    static constexpr int kClearance = 6;  // pixels kept free round the drawn route
    // Where the route leaves less room, the steps scroll inside a card this high at least.
    static constexpr int kLeastHeight = 120;

    explicit TRouteCard(QWidget* parent);

    // The scheme's place in the parent; the card stays inside it.
    void SetMapArea(const QRect& area) { area_ = area; }
    // The card hides whenever `list`, the route list, is hidden.
    void Follow(QWidget* list);
    // The listed routes of a new search from start to finish, in list order. Hides the card.
    void SetRoutes(const TCity& city, const CityModule* module, std::uint8_t start, std::uint8_t finish,
                   const std::vector<TListedRoute>& routes);
    // Shows listed route `index` (from 0). Unless the user has moved the card since the
    // search, it goes where it covers nothing of the route as `drawn` on the scheme,
    // shortened, with its steps scrolling, where the route leaves no room for all of it.
    void ShowRoute(int index, const TRouteFrameInput& drawn);

    int Index() const { return index_; }
    // The card as plain text, one line per step; what "Копировать" copies.
    QString Text() const;
    void CopyText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct TStepText {
        int Line = 0;     // 0 for a transfer
        QString Title;    // "Выхино → Пушкинская"
        QString Details;  // "9 остановок, 24 минуты\nв сторону «Планерная»"
        QString Plain;    // the step's line in the copied text
    };
    struct TRouteText {
        std::uint8_t Time = 0;
        std::uint8_t Changes = 0;
        int Waits = 0;  // minutes waited for trains, part of Time
        bool Traced = false;
        std::vector<TStepText> Steps;
    };

    QString Heading() const;  // "Маршрут 2 из 3, по сравнению с первым: +4 минуты, −1 пересадка"
    QString Total() const;
    QString Waits() const;
    void Rebuild();
    void Place(const TRouteFrameInput& drawn);
    int HeightWithSteps(int stepsHeight);

    QRect area_;
    QString endpoints_;  // "Выхино → Речной вокзал"
    std::vector<TRouteText> routes_;
    std::map<int, QImage> icons_;
    int index_ = -1;
    bool moved_ = false;  // by the user, since the last search
    bool dragging_ = false;
    QPoint grip_;
    QLabel* title_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* waits_ = nullptr;
    QToolButton* copy_ = nullptr;
    QToolButton* close_ = nullptr;
};

}  // namespace tnx::ui
