#include "ui/text_fit.h"

namespace tnx::ui {

QFont CondensedFont(const QFont& base) {
    QFont font = base;
    font.setStretch(QFont::Condensed);
    return font;
}

QFont FontFittingAll(const QFont& base, const QStringList& texts, int width, double minPointSize) {
    QFont font = base;
    for (double size = base.pointSizeF(); size >= minPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const QString& text : texts) fits = fits && metrics.horizontalAdvance(text) <= width;
        if (fits) return font;
    }
    return font;
}

QString ElideAtWord(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const QString ellipsis = QString::fromUtf8("…");
    QString shown = text;
    for (qsizetype cut = shown.lastIndexOf(' '); cut > 0; cut = shown.lastIndexOf(' ')) {
        shown.truncate(cut);
        while (shown.endsWith(',') || shown.endsWith(' ')) shown.chop(1);
        if (metrics.horizontalAdvance(shown + ellipsis) <= width) return shown + ellipsis;
    }
    return metrics.elidedText(text, Qt::ElideRight, width);
}

}  // namespace tnx::ui
