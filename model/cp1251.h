// Windows-1251, the encoding of every text inside a city module.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tnx {

std::string Cp1251ToUtf8(std::string_view bytes);

// Appends code point c (below U+10000) in UTF-8.
void AppendUtf8(std::string& out, char32_t c);

// Decodes the UTF-8 sequence at text[i] (i below the size) and moves i past it;
// i stays and the result is empty when the bytes there are no well-formed sequence.
std::optional<char32_t> NextUtf8CodePoint(std::string_view text, std::size_t& i);

// Empty optional when the text is not valid UTF-8 or holds a character that
// Windows-1251 cannot represent.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

}  // namespace tnx
