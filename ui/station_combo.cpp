#include "ui/station_combo.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>
#include <algorithm>
#include <vector>

#include "model/cp1251.h"
#include "model/lookups.h"
namespace tnx::ui {
namespace {

// Room left of a name for the line icon, and right of it.
constexpr int kIconSpace = 16 + 6;
constexpr int kNameEndSpace = 6;

// The colour of a typed text that names no station.
const QColor kNoMatchText(192, 0, 0);

class TStationItemDelegate : public QAbstractItemDelegate {
public:
    explicit TStationItemDelegate(TStationComboBox* box) : QAbstractItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!box_->DrawItem()) return;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        box_->DrawItem()(*painter, option.rect, index.data().toString(), selected, option.palette);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), TStationComboBox::kItemHeight};
    }

private:
    TStationComboBox* box_;
};

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

}  // namespace

TStationComboBox::TStationComboBox(QWidget* parent) : QComboBox(parent) {
    // A plain drop-down list of fixed rows, not a menu placed over the box.
    setStyleSheet("QComboBox { combobox-popup: 0; }");
    setItemDelegate(new TStationItemDelegate(this));
    setMaxVisibleItems(kDropDownCount);
    // Installed after the list's own handlers, so these see its keys and clicks first.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
}

bool TStationComboBox::DroppedDown() const { return view() != nullptr && view()->isVisible(); }

int TStationComboBox::ShownCount() const {
    const auto* list = qobject_cast<const QListView*>(view());
    int shown = 0;
    for (int row = 0; row < count(); ++row) shown += list == nullptr || !list->isRowHidden(row);
    return shown;
}

void TStationComboBox::SetFilter(const QString& typed) {
    filter_ = typed;
    noMatch_ = false;
    auto* list = qobject_cast<QListView*>(view());
    if (filter_.isEmpty() || list == nullptr) {
        ShowAllRows();
        if (DroppedDown()) showPopup();  // sized for every entry again
        update();
        return;
    }
    std::vector<char> shown(static_cast<std::size_t>(count()), 0);
    int best = -1;
    if (matchItems_)
        for (int key : matchItems_(filter_)) {
            const int row = findData(key);
            if (row < 0) continue;
            shown[static_cast<std::size_t>(row)] = 1;
            if (best < 0) best = row;
        }
    for (int row = 0; row < count(); ++row) list->setRowHidden(row, shown[static_cast<std::size_t>(row)] == 0);
    if (best < 0) {
        // The typed text stays in the box, marked, until it names a station again.
        noMatch_ = true;
        QComboBox::hidePopup();
        update();
        return;
    }
    showPopup();
    const QModelIndex index = model()->index(best, modelColumn(), rootModelIndex());
    view()->setCurrentIndex(index);
    view()->scrollTo(index);
    update();
}

void TStationComboBox::ShowAllRows() {
    if (auto* list = qobject_cast<QListView*>(view()))
        for (int row = 0; row < count(); ++row) list->setRowHidden(row, false);
}

void TStationComboBox::showPopup() {
    if (!DroppedDown()) {
        shownAt_.start();
        pressedInList_ = false;
    }
    // The toolkit sizes the list by its first rows, shown or not; a filtered list
    // gets the height of the rows it shows, and the toolkit places it.
    QWidget* popup = view()->window();
    if (filter_.isEmpty()) {
        popup->setMinimumHeight(0);
        popup->setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        const auto vertical = [](const QMargins& m) { return m.top() + m.bottom(); };
        int frame = vertical(popup->contentsMargins()) + vertical(view()->contentsMargins());
        if (popup->layout() != nullptr) frame += vertical(popup->layout()->contentsMargins());
        popup->setFixedHeight(frame + std::min(ShownCount(), maxVisibleItems()) * kItemHeight);
    }
    // Wide enough for the longest name, which the closed box may have to cut.
    int names = 0;
    for (int row = 0; row < count(); ++row) names = std::max(names, fontMetrics().horizontalAdvance(itemText(row)));
    const int scrollBar = count() > maxVisibleItems() ? view()->verticalScrollBar()->sizeHint().width() : 0;
    const int sides = popup->contentsMargins().left() + popup->contentsMargins().right();
    popup->setMinimumWidth(kIconSpace + names + kNameEndSpace + scrollBar + sides);
    QComboBox::showPopup();
}

void TStationComboBox::hidePopup() {
    QComboBox::hidePopup();
    if (filter_.isEmpty()) return;
    filter_.clear();
    noMatch_ = false;
    ShowAllRows();
    update();
}

void TStationComboBox::Choose(const QModelIndex& index) {
    const auto* list = qobject_cast<const QListView*>(view());
    if (!index.isValid() || (list != nullptr && list->isRowHidden(index.row()))) return;
    const int row = index.row();
    hidePopup();
    setCurrentIndex(row);
    emit Chosen(row);
}

bool TStationComboBox::EditFilter(QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace && !filter_.isEmpty()) {
        SetFilter(filter_.chopped(1));
        return true;
    }
    if (event->key() == Qt::Key_Escape && !filter_.isEmpty()) {
        hidePopup();
        return true;
    }
    const QString text = event->text();
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (command || text.isEmpty() || !text.at(0).isPrint()) return false;
    // A space on its own opens the list, as it always did.
    if (filter_.isEmpty() && text.trimmed().isEmpty()) return false;
    SetFilter(filter_ + text);
    return true;
}

void TStationComboBox::keyPressEvent(QKeyEvent* event) {
    if (EditFilter(event)) return;
    if (DroppedDown() && IsEnter(event)) {
        Choose(view()->currentIndex());
        return;
    }
    if (!filter_.isEmpty()) {
        // A text that names nothing chooses nothing; any other key ends the search.
        if (IsEnter(event)) return;
        hidePopup();
    }
    QComboBox::keyPressEvent(event);
}

void TStationComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Focus goes to the dropped-down list while it is open.
    if (event->reason() != Qt::PopupFocusReason && !DroppedDown()) hidePopup();
}

bool TStationComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view()) {
        if (event->type() == QEvent::ShortcutOverride && IsEnter(static_cast<QKeyEvent*>(event))) {
            // Where the list would choose on the shortcut check, the key comes as a key press instead.
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (IsEnter(key)) {
                Choose(view()->currentIndex());
                return true;
            }
            if (EditFilter(key)) return true;
        }
    } else if (watched == view()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) pressedInList_ = true;
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            // The release of the press that opened the list is no choice.
            const bool opening =
                !pressedInList_ && shownAt_.isValid() && shownAt_.elapsed() < QApplication::doubleClickInterval();
            if (!opening && view()->viewport()->rect().contains(at)) {
                Choose(view()->indexAt(at));
                return true;
            }
        }
    }
    return QComboBox::eventFilter(watched, event);
}

QString TStationComboBox::ShownName(const QString& storedName) {
    const auto stored = Utf8ToCp1251(storedName.toStdString());
    return stored ? QString::fromStdString(Cp1251ToUtf8(DisplayName(*stored))) : storedName;
}

int TStationComboBox::NameWidth() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    return field.width() - kIconSpace;
}

bool TStationComboBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && filter_.isEmpty() && currentIndex() >= 0) {
        const QString name = ShownName(currentText());
        if (fontMetrics().horizontalAdvance(name) > NameWidth()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                               toolTip().isEmpty() ? name : name + "\n" + toolTip(), this);
            return true;
        }
    }
    return QComboBox::event(event);
}

void TStationComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (!filter_.isEmpty()) {
        // What has been typed, where the chosen entry's name stands.
        painter.setPen(noMatch_ ? kNoMatchText : palette().color(QPalette::Text));
        painter.drawText(field.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, filter_);
        return;
    }
    if (currentIndex() < 0 || !drawItem_) return;
    const QRect item(field.left(), field.top() + (field.height() - kItemHeight) / 2, field.width(), kItemHeight);
    painter.save();
    painter.setClipRect(field);
    drawItem_(painter, item, currentText(), hasFocus(), palette());
    painter.restore();
}

}  // namespace tnx::ui
