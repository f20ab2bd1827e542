// Texts that must show whole in a fixed width: a narrower face of the same font, the
// largest size at which every given text fits, and an ellipsis at a word boundary for a
// text that still does not.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace tnx::ui {

// The same family, condensed where the family has a condensed face.
QFont CondensedFont(const QFont& base);

// base, made smaller in half points (down to minPointSize) until every text fits in width.
QFont FontFittingAll(const QFont& base, const QStringList& texts, int width, double minPointSize = 6.5);

// The text when it fits; otherwise its leading words and "…", never cut inside a word
// unless even the first word does not fit.
QString ElideAtWord(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace tnx::ui
