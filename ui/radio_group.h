// A captioned group of radio buttons, one per item, with one item index.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

namespace tnx::ui {

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(const QString& caption, QWidget* parent = nullptr);

    void AddItem(const QString& text);
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
};

}  // namespace tnx::ui
