// The scheme and marker bitmaps of the map view, copied from the city module.
#pragma once

#include <QImage>
#include <QPoint>

#include "shell/city_pictures.h"
#include "shell/dib_image.h"

namespace tnx::ui {

// An opaque copy of a module picture.
QImage ToImage(const TDibImage& dib);

// The picture with every pixel of its top-left pixel's colour made transparent.
QImage WithTransparentKey(const QImage& picture);

struct TMapBitmaps {
    QImage SchemeBitmap;  // the clean scheme; never drawn on
    QImage Flag1;
    QImage Flag2;
    QImage Flag1A;
    QImage Flag2A;
    QImage Circle;
    QImage FrameBitmap;  // the route picture of the animation

    // Replaces the city's pictures; markers and circle drawn transparently.
    void Assign(const TCityPictures& pictures);
};

// Top-left corner of a 14 x 14 marker centred on a station at (x, y).
inline QPoint MarkerCorner(int x, int y) { return {x - 7, y - 7}; }

// The square that erases a marker: three pixels wider and taller than it.
inline QRect EraseSquare(int x, int y) { return {x - 7, y - 7, 17, 17}; }

}  // namespace tnx::ui
