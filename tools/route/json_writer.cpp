#include "tools/route/json_writer.h"

#include <cstdio>
#include <functional>

#include "model/cp1251.h"

namespace tnx {
namespace {

std::string Hex(const char* format, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Walks the text by characters; `escape` gives what to write for a control
// character or a stray byte (nullopt code point), empty to keep it.
std::string Escape(std::string_view utf8, const std::function<std::string(std::optional<char32_t>, char)>& escape) {
    std::string out;
    out.reserve(utf8.size() + 2);
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t at = i;
        const auto c = NextUtf8CodePoint(utf8, i);
        if (!c) ++i;
        std::string replacement = escape(c, utf8[at]);
        if (replacement.empty())
            out.append(utf8.substr(at, i - at));
        else
            out += replacement;
    }
    return out;
}

std::string CommonEscape(char32_t c) {
    switch (c) {
    case '\\':
        return "\\\\";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        return {};
    }
}

}  // namespace

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    out += Escape(utf8, [](std::optional<char32_t> c, char) -> std::string {
        if (!c) return "\\ufffd";
        if (*c == '"') return "\\\"";
        if (std::string e = CommonEscape(*c); !e.empty()) return e;
        return *c < 0x20 ? Hex("\\u%04x", static_cast<unsigned>(*c)) : std::string();
    });
    out += '"';
    return out;
}

std::string EscapedText(std::string_view utf8) {
    return Escape(utf8, [](std::optional<char32_t> c, char byte) -> std::string {
        if (!c) return Hex("\\x%02x", static_cast<unsigned char>(byte));
        if (std::string e = CommonEscape(*c); !e.empty()) return e;
        if (*c < 0x20 || *c == 0x7F) return Hex("\\x%02x", static_cast<unsigned>(*c));
        if (*c >= 0x80 && *c < 0xA0) return Hex("\\u%04x", static_cast<unsigned>(*c));
        return {};
    });
}

}  // namespace tnx
