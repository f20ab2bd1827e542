#include "ui/route_card.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/route_step_texts.h"
#include "engine/route_texts.h"
#include "ui/line_icon.h"
#include "ui/route_cover.h"

namespace tnx::ui {
namespace {

constexpr int kIconSize = 16;
constexpr int kBarWidth = 4;

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void Embolden(QWidget* widget) {
    QFont bold = widget->font();
    bold.setBold(true);
    widget->setFont(bold);
}

}  // namespace

TRouteCard::TRouteCard(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    setPalette(p);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::SizeAllCursor);
    setToolTip("Шаги маршрута; перетащите карточку, если она мешает");

    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(6, 4, 6, 6);
    layout_->setSpacing(3);

    auto* header = new QHBoxLayout;
    title_ = WrappedLabel({}, this);
    Embolden(title_);
    close_ = new QToolButton(this);
    close_->setText(QString::fromUtf8("✕"));
    close_->setAutoRaise(true);
    close_->setToolTip("Скрыть карточку");
    close_->setCursor(Qt::ArrowCursor);
    connect(close_, &QToolButton::clicked, this, &QWidget::hide);
    header->addWidget(title_, 1);
    header->addWidget(close_, 0, Qt::AlignTop);
    layout_->addLayout(header);

    subtitle_ = WrappedLabel({}, this);
    layout_->addWidget(subtitle_);

    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setFocusPolicy(Qt::NoFocus);  // the card itself takes the keys
    scroll_->viewport()->setAutoFillBackground(false);
    layout_->addWidget(scroll_);

    total_ = WrappedLabel({}, this);
    Embolden(total_);
    layout_->addWidget(total_);
    waits_ = WrappedLabel({}, this);
    layout_->addWidget(waits_);
    copy_ = new QToolButton(this);
    copy_->setText("Копировать");
    copy_->setToolTip("Копировать шаги маршрута в буфер обмена");
    copy_->setCursor(Qt::ArrowCursor);
    connect(copy_, &QToolButton::clicked, this, &TRouteCard::CopyText);
    layout_->addWidget(copy_, 0, Qt::AlignRight);
    hide();
}

void TRouteCard::Follow(QWidget* list) { list->installEventFilter(this); }

bool TRouteCard::eventFilter(QObject* watched, QEvent* event) {
    // Hidden itself, not merely with a hidden parent: the list shows no routes now.
    const auto* list = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Hide && list != nullptr && list->isHidden()) hide();
    return QFrame::eventFilter(watched, event);
}

void TRouteCard::SetRoutes(const TCity& city, const CityModule* module, std::uint8_t start, std::uint8_t finish,
                           const std::vector<TListedRoute>& routes) {
    hide();
    routes_.clear();
    icons_.clear();
    index_ = -1;
    moved_ = false;
    endpoints_ = Q(StationText(city, start) + " → " + StationText(city, finish));
    for (const TListedRoute& listed : routes) {
        TRouteText route{listed.Time, listed.Changes, 0, listed.Steps.has_value(), {}};
        for (const TRouteStep& step : listed.Steps.value_or(TRouteSteps{})) {
            TStepText text;
            text.Plain = Q(StepText(city, step));
            if (const auto* ride = std::get_if<TRideStep>(&step)) {
                text.Line = ride->Line;
                text.Title =
                    Q(StationText(city, ride->Stations.front()) + " → " + StationText(city, ride->Stations.back()));
                text.Details = Q(StopsText(StopCount(city, *ride)) + ", " + MinutesText(ride->Minutes) + "\n" +
                                 DirectionText(city, *ride));
                route.Waits += ride->Wait;
                if (!icons_.count(ride->Line)) icons_[ride->Line] = LineIcon(module, ride->Line);
            } else {
                text.Title = Q("пересадка: " + TransferText(city, std::get<TTransferStep>(step)));
            }
            route.Steps.push_back(text);
        }
        routes_.push_back(route);
    }
}

void TRouteCard::ShowRoute(int index, const TRouteFrameInput& drawn) {
    if (index < 0 || index >= static_cast<int>(routes_.size())) {
        hide();
        return;
    }
    index_ = index;
    Rebuild();
    Place(drawn);
    show();
    raise();
}

QString TRouteCard::Heading() const {
    const QString heading = QString("Маршрут %1 из %2").arg(index_ + 1).arg(routes_.size());
    if (index_ <= 0) return heading;
    const TRouteText& first = routes_.front();
    const TRouteText& route = routes_[static_cast<std::size_t>(index_)];
    return heading +
           ", по сравнению с первым: " + Q(ComparisonText(first.Time, first.Changes, route.Time, route.Changes));
}

QString TRouteCard::Total() const {
    const TRouteText& route = routes_[static_cast<std::size_t>(index_)];
    return "Всего: " + Q(MinutesText(route.Time)) + ", " + Q(ChangesText(route.Changes));
}

QString TRouteCard::Waits() const {
    const int waits = routes_[static_cast<std::size_t>(index_)].Waits;
    return waits == 0 ? QString() : "из них ожидание поездов: " + Q(MinutesText(static_cast<std::uint8_t>(waits)));
}

void TRouteCard::Rebuild() {
    const TRouteText& route = routes_[static_cast<std::size_t>(index_)];
    title_->setText(endpoints_);
    subtitle_->setText(Heading());
    subtitle_->setVisible(routes_.size() > 1);
    total_->setText(Total());
    waits_->setText(Waits());
    waits_->setVisible(!waits_->text().isEmpty());

    auto* steps = new QWidget;
    steps->setAutoFillBackground(false);
    auto* grid = new QGridLayout(steps);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(2, 1);
    if (!route.Traced) grid->addWidget(WrappedLabel("Шаги маршрута не удалось восстановить.", steps), 0, 0, 1, 3);
    int row = 0;
    for (const TStepText& step : route.Steps) {
        auto* text = WrappedLabel(step.Title, steps);
        if (step.Line == 0) {
            text->setForegroundRole(QPalette::PlaceholderText);
            auto* mark = new QLabel(QString::fromUtf8("⇢"), steps);
            mark->setAlignment(Qt::AlignCenter);
            grid->addWidget(mark, row, 0, Qt::AlignTop);
            grid->addWidget(text, row++, 1, 1, 2);
            continue;
        }
        const QImage& icon = icons_.at(step.Line);
        auto* mark = new QLabel(steps);
        mark->setFixedSize(kIconSize, kIconSize);
        if (icon.isNull())
            mark->setText(QString::number(step.Line));
        else
            mark->setPixmap(QPixmap::fromImage(icon));
        mark->setToolTip(QString("линия %1").arg(step.Line));
        auto* bar = new QFrame(steps);
        bar->setFixedWidth(kBarWidth);
        bar->setAutoFillBackground(true);
        QPalette p = bar->palette();
        p.setColor(QPalette::Window, LineColour(icon));
        bar->setPalette(p);
        Embolden(text);
        auto* column = new QVBoxLayout;
        column->setSpacing(0);
        column->addWidget(text);
        column->addWidget(WrappedLabel(step.Details, steps));
        grid->addWidget(mark, row, 0, Qt::AlignTop);
        grid->addWidget(bar, row, 1);
        grid->addLayout(column, row++, 2);
    }
    scroll_->setWidget(steps);  // the previous steps go with it
    setFixedWidth(kWidth);
}

int TRouteCard::HeightWithSteps(int stepsHeight) {
    scroll_->setFixedHeight(stepsHeight);
    layout_->invalidate();
    return layout_->totalHeightForWidth(kWidth);
}

void TRouteCard::Place(const TRouteFrameInput& drawn) {
    // Measured without a scroll bar, which would narrow the steps and wrap them anew.
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QMargins frame = contentsMargins() + layout_->contentsMargins();
    const int all = scroll_->widget()->heightForWidth(kWidth - frame.left() - frame.right());
    const int natural = HeightWithSteps(all);
    const int chrome = natural - all;
    int height = std::min(natural, std::max(area_.height(), kLeastHeight));

    const TRouteCover cover(drawn);
    const auto place = [&](int h) { return QRect(ClearPlace(cover, QSize(kWidth, h), kClearance), QSize(kWidth, h)); };
    const auto clear = [&](int h) {
        return cover.RoutePixels(place(h).adjusted(-kClearance, -kClearance, kClearance, kClearance)) == 0;
    };
    // Where the user put the card it stays, whatever it covers; else the tallest card up to
    // its natural height that leaves the route clear.
    if (!moved_ && !clear(height)) {
        int low = std::min(kLeastHeight, height), high = height;
        while (high - low > 1) {
            const int middle = (low + high) / 2;
            (clear(middle) ? low : high) = middle;
        }
        height = low;
    }
    if (height < natural) {
        scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        HeightWithSteps(std::max(0, height - chrome));
    }
    resize(kWidth, height);
    if (!moved_) {
        move(area_.topLeft() + place(height).topLeft());
        return;
    }
    const int x = std::clamp(pos().x(), area_.left(), std::max(area_.left(), area_.right() + 1 - width()));
    const int y = std::clamp(pos().y(), area_.top(), std::max(area_.top(), area_.bottom() + 1 - height));
    move(x, y);
}

QString TRouteCard::Text() const {
    if (index_ < 0) return {};
    QStringList lines;
    lines << endpoints_;
    if (routes_.size() > 1) lines << Heading();
    const TRouteText& route = routes_[static_cast<std::size_t>(index_)];
    if (!route.Traced) lines << "Шаги маршрута не удалось восстановить.";
    for (const TStepText& step : route.Steps) lines << step.Plain;
    lines << Total();
    return lines.join('\n') + '\n';
}

void TRouteCard::CopyText() const { QApplication::clipboard()->setText(Text()); }

void TRouteCard::keyPressEvent(QKeyEvent* event) {
    QScrollBar* bar = scroll_->verticalScrollBar();
    if (event->matches(QKeySequence::Copy)) {
        CopyText();
    } else if (event->key() == Qt::Key_Escape) {
        hide();
    } else if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) {
        bar->setValue(bar->value() + (event->key() == Qt::Key_Down ? 1 : -1) * bar->singleStep() * 3);
    } else if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) {
        bar->setValue(bar->value() + (event->key() == Qt::Key_PageDown ? 1 : -1) * bar->pageStep());
    } else {
        QFrame::keyPressEvent(event);
    }
}

void TRouteCard::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QFrame::mousePressEvent(event);
    dragging_ = true;
    grip_ = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
}

void TRouteCard::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    QPoint to = mapToParent(event->position().toPoint()) - grip_;
    to.setX(std::clamp(to.x(), area_.left(), std::max(area_.left(), area_.right() + 1 - width())));
    to.setY(std::clamp(to.y(), area_.top(), std::max(area_.top(), area_.bottom() + 1 - height())));
    if (to != pos()) moved_ = true;
    move(to);
}

void TRouteCard::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QFrame::mouseReleaseEvent(event);
}

void TRouteCard::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction("Копировать шаги маршрута", this, &TRouteCard::CopyText);
    menu.addAction("Скрыть карточку", this, &QWidget::hide);
    menu.exec(event->globalPos());
}

void TRouteCard::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus()) return;
    // A wider border in the selection colour; inside the margins, so nothing moves.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void TRouteCard::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void TRouteCard::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

}  // namespace tnx::ui
