#include <gtest/gtest.h>

#include "model/cp1251.h"

namespace tnx {
namespace {

TEST(Cp1251, RoundTripsCyrillicAndPunctuation) {
    const std::string text = "Хаpьков ёЁ №5 «Площадь» — Ї ї Ґ";
    const auto bytes = Utf8ToCp1251(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 31u);                             // one byte per character
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[0]), 0xD5);  // Х
    EXPECT_EQ(Cp1251ToUtf8(*bytes), text);
}

TEST(Cp1251, RefusesWhatItCannotHold) {
    EXPECT_FALSE(Utf8ToCp1251("日本"));
    EXPECT_FALSE(Utf8ToCp1251("\xD0"));               // truncated sequence
    EXPECT_FALSE(Utf8ToCp1251("\xC0\xAF"));           // overlong
    EXPECT_FALSE(Utf8ToCp1251("\xED\xA0\x80"));       // surrogate
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");  // the unassigned byte shows as a replacement
}

}  // namespace
}  // namespace tnx
