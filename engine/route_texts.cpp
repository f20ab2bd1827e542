#include "engine/route_texts.h"

namespace tnx {
namespace {

// Russian plural: one form for 1, 21, 31...; one for 2-4, 22-24...; one for the rest
// and for 11-19.
const char* PluralWord(int n, const char* one, const char* few, const char* many) {
    if ((n / 10) % 10 == 1) return many;
    switch (n % 10) {
    case 1:
        return one;
    case 2:
    case 3:
    case 4:
        return few;
    default:
        return many;
    }
}

}  // namespace

std::string MinutesText(std::uint8_t minutes) {
    const int hours = minutes / 60;
    const int rest = hours == 0 ? minutes : minutes % 60;
    std::string text;
    if (hours > 0) {
        text = std::to_string(hours) + PluralWord(hours, " час ", " часа ", " часов ");
    }
    return text + std::to_string(rest) + PluralWord(rest, " минута", " минуты", " минут");
}

std::string ChangesText(std::uint8_t count) {
    const char* word = count == 1 ? " пересадка" : count >= 2 && count <= 4 ? " пересадки" : " пересадок";
    return std::to_string(count) + word;
}

std::string StopsText(int count) {
    return std::to_string(count) + PluralWord(count, " остановка", " остановки", " остановок");
}

}  // namespace tnx
