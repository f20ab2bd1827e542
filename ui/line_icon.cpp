#include "ui/line_icon.h"

#include <map>

#include "shell/city_pictures.h"
#include "ui/map_bitmaps.h"

namespace tnx::ui {

QImage LineIcon(const CityModule* module, int line) {
    if (module == nullptr) return {};
    const auto dib = ReadLineIcon(*module, line);
    return dib ? WithTransparentKey(ToImage(*dib)) : QImage();
}

QColor LineColour(const QImage& icon) {
    std::map<QRgb, int> counts;
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            if (qAlpha(p) == 255) ++counts[p];
        }
    QRgb most = qRgb(128, 128, 128);
    int best = 0;
    for (const auto& [colour, count] : counts)
        if (count > best) {
            best = count;
            most = colour;
        }
    return QColor::fromRgb(most);
}

}  // namespace tnx::ui
