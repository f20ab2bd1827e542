// A captioned group of radio buttons, one per item, with one item index.
#pragma once

#include <QFont>
#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

namespace tnx::ui {

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(const QString& caption, QWidget* parent = nullptr);

    // An item shows its whole text, or its leading words and "…" with the whole text as
    // its tool tip; Items() always gives the whole texts.
    void AddItem(const QString& text);
    // The items' font becomes the largest size of a condensed face of the group's font
    // at which every one of texts shows whole.
    void FitItemsTo(const QStringList& texts);
    QFont ItemFont() const { return itemFont_; }
    // The width an item's text has beside its button.
    int TextWidth() const;
    void Clear();
    QStringList Items() const;
    int Count() const { return static_cast<int>(buttons_.size()); }
    // -1 when no item is chosen.
    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

signals:
    // The user chose an item.
    void Click();

private:
    std::vector<QRadioButton*> buttons_;
    QStringList texts_;
    QFont itemFont_;
};

}  // namespace tnx::ui
