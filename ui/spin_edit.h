// A whole-number field with bounds: any number may be typed, text that is no number
// counts as the lower bound, and a number outside the bounds is brought to the
// nearest bound once the field is left.
#pragma once

#include <QSpinBox>

namespace tnx::ui {

class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    TSpinEdit(int minValue, int maxValue, QWidget* parent = nullptr);

    // The value after the text typed so far is taken in.
    int Value();

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& text) const override;
};

}  // namespace tnx::ui
