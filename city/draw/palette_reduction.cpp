#include "city/draw/palette_reduction.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>

namespace tnx::city::draw {
namespace {

QRgb Opaque(QRgb colour) { return colour | 0xFF000000u; }

Rgb ToRgb(QRgb colour) {
    return {static_cast<std::uint8_t>(qRed(colour)), static_cast<std::uint8_t>(qGreen(colour)),
            static_cast<std::uint8_t>(qBlue(colour))};
}

int Distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

std::uint8_t NearestEntry(QRgb colour, const std::vector<QRgb>& table) {
    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int d = Distance(colour, table[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

IndexedImage ReduceToPalette(const QImage& picture, const std::vector<QRgb>& exactColours, int tableSize) {
    if (tableSize < 1 || tableSize > 256) {
        throw std::invalid_argument("colour table size " + std::to_string(tableSize) + " is outside 1..256");
    }
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);

    std::vector<QRgb> table;
    std::unordered_map<QRgb, std::uint8_t> entryOf;
    auto addEntry = [&](QRgb colour) {
        if (entryOf.try_emplace(colour, static_cast<std::uint8_t>(table.size())).second) {
            table.push_back(colour);
        }
    };
    for (const QRgb colour : exactColours) {
        addEntry(Opaque(colour));
    }
    if (static_cast<int>(table.size()) > tableSize) {
        throw std::invalid_argument(std::to_string(table.size()) + " colours must stay exact but the table holds " +
                                    std::to_string(tableSize));
    }

    std::unordered_map<QRgb, int> frequency;
    for (int y = 0; y < source.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            ++frequency[Opaque(row[x])];
        }
    }
    std::vector<std::pair<QRgb, int>> shades;
    for (const auto& [colour, count] : frequency) {
        if (!entryOf.contains(colour)) {
            shades.emplace_back(colour, count);
        }
    }
    // Ties broken by colour so that the same picture always gives the same bytes.
    std::sort(shades.begin(), shades.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    for (const auto& [colour, count] : shades) {
        if (static_cast<int>(table.size()) == tableSize) {
            break;
        }
        addEntry(colour);
    }
    for (const auto& [colour, count] : shades) {
        if (!entryOf.contains(colour)) {
            entryOf.emplace(colour, NearestEntry(colour, table));
        }
    }

    IndexedImage result;
    result.width = source.width();
    result.height = source.height();
    result.pixels.reserve(static_cast<std::size_t>(result.width) * static_cast<std::size_t>(result.height));
    for (int y = 0; y < source.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            result.pixels.push_back(entryOf.at(Opaque(row[x])));
        }
    }
    for (const QRgb colour : table) {
        result.palette.push_back(ToRgb(colour));
    }
    result.palette.resize(static_cast<std::size_t>(tableSize), Rgb{0, 0, 0});
    return result;
}

}  // namespace tnx::city::draw
