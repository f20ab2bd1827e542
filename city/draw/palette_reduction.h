// Turns a drawn picture into the 8-bit palette form of the city's bitmaps.
#pragma once

#include <QImage>
#include <vector>

#include "city/draw/dib_writer.h"

namespace tnx::city::draw {

// The exact colours come first in the table, so the colours the picture was
// drawn with survive unchanged; the rest of the table takes the most frequent
// other colours (anti-aliasing shades), and any colour still left over maps to
// its nearest entry. No dithering: flat areas stay flat. The table is padded
// with black to tableSize entries. Alpha is ignored.
// Throws std::invalid_argument when the exact colours do not fit the table.
IndexedImage ReduceToPalette(const QImage& picture, const std::vector<QRgb>& exactColours, int tableSize = 256);

}  // namespace tnx::city::draw
