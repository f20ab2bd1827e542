#include "ui/station_combo.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace tnx::ui {
namespace {

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

}  // namespace

TStationComboBox::TStationComboBox(QWidget* parent) : QComboBox(parent) {
    // A plain drop-down list of fixed rows, not a menu placed over the box.
    setStyleSheet("QComboBox { combobox-popup: 0; }");
    setItemDelegate(new TStationItemDelegate(this));
    setMaxVisibleItems(kDropDownCount);
}

bool TStationComboBox::DroppedDown() const { return view() != nullptr && view()->isVisible(); }

void TStationComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0 || !drawItem_) return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QRect item(field.left(), field.top() + (field.height() - kItemHeight) / 2, field.width(), kItemHeight);
    painter.save();
    painter.setClipRect(field);
    drawItem_(painter, item, currentText(), hasFocus(), palette());
    painter.restore();
}

}  // namespace tnx::ui
