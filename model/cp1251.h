// Windows-1251, the encoding of every text inside a city module.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tnx {

std::string Cp1251ToUtf8(std::string_view bytes);

// Empty optional when the text is not valid UTF-8 or holds a character that
// Windows-1251 cannot represent.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

}  // namespace tnx
