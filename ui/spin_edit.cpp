#include "ui/spin_edit.h"

#include <algorithm>

namespace tnx::ui {
namespace {

// Optional sign, then ASCII digits only.
bool WholeNumberText(const QString& t) {
    const qsizetype first = (!t.isEmpty() && (t[0] == u'-' || t[0] == u'+')) ? 1 : 0;
    if (first == t.size()) return false;
    for (qsizetype i = first; i < t.size(); ++i)
        if (t[i] < u'0' || t[i] > u'9') return false;
    return true;
}

}  // namespace

TSpinEdit::TSpinEdit(int minValue, int maxValue, QWidget* parent) : QSpinBox(parent) {
    setRange(minValue, maxValue);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int TSpinEdit::Value() {
    interpretText();
    return value();
}

QValidator::State TSpinEdit::validate(QString& text, int&) const {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == "-" || t == "+") return QValidator::Intermediate;
    // Out of bounds too: brought in when taken.
    return WholeNumberText(t) ? QValidator::Acceptable : QValidator::Invalid;
}

int TSpinEdit::valueFromText(const QString& text) const {
    const QString t = text.trimmed();
    if (!WholeNumberText(t)) return minimum();
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (!ok) return t.startsWith(u'-') ? minimum() : maximum();  // too long to hold: far out of bounds
    return static_cast<int>(std::clamp<qlonglong>(n, minimum(), maximum()));
}

void TSpinEdit::fixup(QString& text) const { text = textFromValue(valueFromText(text)); }

}  // namespace tnx::ui
