#include "city/draw/keyed_glyph.h"

#include <algorithm>
#include <array>
#include <set>
#include <stdexcept>

namespace tnx::city::draw {

QImage FlattenOntoKey(const QImage& glyph) {
    const QImage source = glyph.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull()) {
        throw std::invalid_argument("empty glyph");
    }
    if (qAlpha(source.pixel(0, 0)) >= 128) {
        throw std::invalid_argument("glyph covers its top-left pixel, where the key colour goes");
    }

    QImage flat(source.size(), QImage::Format_RGB32);
    std::set<QRgb> used;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            if (qAlpha(pixel) >= 128) {
                const QRgb opaque = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
                flat.setPixel(x, y, opaque);
                used.insert(opaque);
            }
        }
    }

    constexpr std::array<QRgb, 4> kKeyCandidates = {0xFFFF00FF, 0xFF00FFFF, 0xFFFFFF00, 0xFF808000};
    const auto free = std::find_if(kKeyCandidates.begin(), kKeyCandidates.end(),
                                   [&](QRgb candidate) { return !used.contains(candidate); });
    if (free == kKeyCandidates.end()) {
        throw std::invalid_argument("glyph uses every key colour candidate");
    }
    const QRgb key = *free;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(source.pixel(x, y)) < 128) {
                flat.setPixel(x, y, key);
            }
        }
    }
    return flat;
}

}  // namespace tnx::city::draw
