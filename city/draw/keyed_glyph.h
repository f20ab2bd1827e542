// Small pictures whose top-left pixel's colour is the transparent key.
#pragma once

#include <QImage>

namespace tnx::city::draw {

// Puts a glyph drawn on a transparent canvas onto a key colour that appears
// nowhere in the glyph. Transparency is a mask of one exact colour, so there
// can be no blend with the key: a pixel is glyph when at least half covered,
// else key. The result is opaque RGB32; its top-left pixel must be left
// uncovered by the glyph.
QImage FlattenOntoKey(const QImage& glyph);

}  // namespace tnx::city::draw
