#include "ui/radio_group.h"

#include <QRadioButton>
#include <QStyle>

#include "ui/text_fit.h"

namespace tnx::ui {
namespace {

constexpr int kFirstItemTop = 20;
constexpr int kItemStep = 24;
constexpr int kItemHeight = 20;
constexpr int kItemLeft = 8;

}  // namespace

TRadioGroup::TRadioGroup(const QString& caption, QWidget* parent) : QGroupBox(caption, parent), itemFont_(font()) {}

int TRadioGroup::TextWidth() const {
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this) +
                          style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
    // The style draws a focus frame a pixel or two around the text.
    return width() - 2 * kItemLeft - indicator - 4;
}

void TRadioGroup::FitItemsTo(const QStringList& texts) {
    itemFont_ = FontFittingAll(CondensedFont(font()), texts, TextWidth());
}

void TRadioGroup::AddItem(const QString& text) {
    auto* button = new QRadioButton(this);
    button->setFont(itemFont_);
    const QString shown = ElideAtWord(text, QFontMetrics(itemFont_), TextWidth());
    button->setText(shown);
    if (shown != text) button->setToolTip(text);
    texts_ << text;
    button->setGeometry(kItemLeft, kFirstItemTop + kItemStep * Count(), width() - 2 * kItemLeft, kItemHeight);
    connect(button, &QRadioButton::clicked, this, [this] { emit Click(); });
    button->show();
    buttons_.push_back(button);
}

void TRadioGroup::Clear() {
    for (QRadioButton* button : buttons_) delete button;
    buttons_.clear();
    texts_.clear();
}

QStringList TRadioGroup::Items() const { return texts_; }

int TRadioGroup::ItemIndex() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) buttons_[static_cast<std::size_t>(index)]->setChecked(true);
}

}  // namespace tnx::ui
