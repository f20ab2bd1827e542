#include "ui/map_bitmaps.h"

#include <cstring>

namespace tnx::ui {

QImage ToImage(const TDibImage& dib) {
    if (dib.Width <= 0 || dib.Height <= 0) return {};
    QImage image(dib.Width, dib.Height, QImage::Format_RGB32);
    for (int y = 0; y < dib.Height; ++y)
        std::memcpy(image.scanLine(y),
                    dib.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(dib.Width),
                    static_cast<std::size_t>(dib.Width) * sizeof(std::uint32_t));
    return image;
}

QImage WithTransparentKey(const QImage& picture) {
    if (picture.isNull()) return picture;
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, 0);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
    }
    return keyed;
}

void TMapBitmaps::Assign(const TCityPictures& pictures) {
    SchemeBitmap = ToImage(pictures.Map);
    Flag1 = WithTransparentKey(ToImage(pictures.Flag1));
    Flag2 = WithTransparentKey(ToImage(pictures.Flag2));
    Flag1A = WithTransparentKey(ToImage(pictures.Flag1A));
    Flag2A = WithTransparentKey(ToImage(pictures.Flag2A));
    Circle = WithTransparentKey(ToImage(pictures.Circle));
}

}  // namespace tnx::ui
