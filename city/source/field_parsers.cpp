#include "city/source/field_parsers.h"

#include <charconv>
#include <vector>

#include "city/source/text_table.h"

namespace tnx::city {
namespace {

// Appended piece by piece: g++ 12 at -O3 warns falsely about "literal" + string.
std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

std::vector<std::string_view> SplitCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto cut = text.find(',', start);
        parts.push_back(Trim(text.substr(start, cut - start)));
        if (cut == std::string_view::npos) return parts;
        start = cut + 1;
    }
}

int ParseHexByte(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) return -1;
    return value;
}

}  // namespace

int ParseInteger(std::string_view text, int low, int high) {
    const auto expected = [&] {
        return "expected a whole number from " + std::to_string(low) + " to " + std::to_string(high) + ", found " +
               Quoted(text);
    };
    if (text.empty()) throw FieldError("expected a whole number, found nothing");
    if (text.front() == '+') throw FieldError(expected());
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) throw FieldError(expected());
    if (value < low || value > high) throw FieldError(expected());
    return static_cast<int>(value);
}

bool ParseFlag(std::string_view text) {
    if (text == "1") return true;
    if (text == "0") return false;
    throw FieldError("expected 1 or 0, found " + Quoted(text));
}

std::array<std::uint8_t, 3> ParseColour(std::string_view text) {
    const std::string expected = "expected #RRGGBB or R,G,B, found " + Quoted(text);
    if (text.starts_with('#')) {
        if (text.size() != 7) throw FieldError(expected);
        std::array<std::uint8_t, 3> colour{};
        for (std::size_t i = 0; i < 3; ++i) {
            const int value = ParseHexByte(text.substr(1 + 2 * i, 2));
            if (value < 0) throw FieldError(expected);
            colour[i] = static_cast<std::uint8_t>(value);
        }
        return colour;
    }
    const auto parts = SplitCommas(text);
    if (parts.size() != 3) throw FieldError(expected);
    return {static_cast<std::uint8_t>(ParseInteger(parts[0], 0, 255)),
            static_cast<std::uint8_t>(ParseInteger(parts[1], 0, 255)),
            static_cast<std::uint8_t>(ParseInteger(parts[2], 0, 255))};
}

std::optional<Point> ParseBend(std::string_view text) {
    if (text == "-") return std::nullopt;
    const auto parts = SplitCommas(text);
    if (parts.size() != 2) throw FieldError("expected X,Y or -, found " + Quoted(text));
    return Point{ParseInteger(parts[0], 0, 65535), ParseInteger(parts[1], 0, 65535)};
}

std::vector<Point> ParsePolyline(std::string_view text, int low, int high) {
    std::vector<Point> points;
    while (!(text = Trim(text)).empty()) {
        const auto cut = text.find_first_of(" \t");
        const std::string_view pair = text.substr(0, cut);
        text.remove_prefix(cut == std::string_view::npos ? text.size() : cut);
        const auto parts = SplitCommas(pair);
        if (parts.size() != 2) throw FieldError("expected points X,Y separated by blanks, found " + Quoted(pair));
        points.push_back({ParseInteger(parts[0], low, high), ParseInteger(parts[1], low, high)});
    }
    if (points.size() < 2) throw FieldError("expected at least two points X,Y, found " + std::to_string(points.size()));
    return points;
}

LabelPlacement ParseLabel(std::string_view text) {
    if (text == "-") {
        LabelPlacement hidden;
        hidden.shown = false;
        return hidden;
    }
    static constexpr std::pair<std::string_view, LabelSide> kSides[] = {
        {"N", LabelSide::N}, {"NE", LabelSide::NE}, {"E", LabelSide::E}, {"SE", LabelSide::SE},
        {"S", LabelSide::S}, {"SW", LabelSide::SW}, {"W", LabelSide::W}, {"NW", LabelSide::NW},
    };
    const auto parts = SplitCommas(text);
    if (parts.size() != 1 && parts.size() != 3)
        throw FieldError("expected a compass point with an optional / and ,DX,DY, or -, found " + Quoted(text));

    LabelPlacement placement;
    std::string_view point = parts[0];
    if (point.size() > 1 && point.back() == '/') {
        placement.twoLines = true;
        point.remove_suffix(1);
    }
    bool known = false;
    for (const auto& [name, side] : kSides) {
        if (point == name) {
            placement.side = side;
            known = true;
        }
    }
    if (!known) throw FieldError("expected one of N, NE, E, SE, S, SW, W, NW, found " + Quoted(point));
    if (parts.size() == 3) {
        placement.dx = ParseInteger(parts[1], -1000, 1000);
        placement.dy = ParseInteger(parts[2], -1000, 1000);
    }
    return placement;
}

}  // namespace tnx::city
