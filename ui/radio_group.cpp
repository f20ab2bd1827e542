#include "ui/radio_group.h"

#include <QRadioButton>

namespace tnx::ui {
namespace {

constexpr int kFirstItemTop = 20;
constexpr int kItemStep = 24;
constexpr int kItemHeight = 20;
constexpr int kItemLeft = 8;

}  // namespace

TRadioGroup::TRadioGroup(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void TRadioGroup::AddItem(const QString& text) {
    auto* button = new QRadioButton(text, this);
    button->setGeometry(kItemLeft, kFirstItemTop + kItemStep * Count(), width() - 2 * kItemLeft, kItemHeight);
    connect(button, &QRadioButton::clicked, this, [this] { emit Click(); });
    button->show();
    buttons_.push_back(button);
}

void TRadioGroup::Clear() {
    for (QRadioButton* button : buttons_) delete button;
    buttons_.clear();
}

QStringList TRadioGroup::Items() const {
    QStringList items;
    for (const QRadioButton* button : buttons_) items << button->text();
    return items;
}

int TRadioGroup::ItemIndex() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) buttons_[static_cast<std::size_t>(index)]->setChecked(true);
}

}  // namespace tnx::ui
