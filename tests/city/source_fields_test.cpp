#include <gtest/gtest.h>

#include "city/source/field_parsers.h"
#include "city/source/text_table.h"

namespace tnx::city {
namespace {

TEST(SplitRows, SkipsCommentsAndBlanksAndKeepsLineNumbers) {
    const auto rows = SplitRows("\xEF\xBB\xBF# header\r\n\r\n 1 | a b |  c \r\n   # indented comment\n2||\n", '|');
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].line, 3);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"1", "a b", "c"}));
    EXPECT_EQ(rows[1].line, 5);
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"2", "", ""}));
}

TEST(SplitRows, LastLineWithoutNewline) {
    const auto rows = SplitRows("key = value", '=');
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"key", "value"}));
}

TEST(ParseInteger, AcceptsOnlyWholeNumbersInRange) {
    EXPECT_EQ(ParseInteger("0", 0, 255), 0);
    EXPECT_EQ(ParseInteger("255", 0, 255), 255);
    EXPECT_EQ(ParseInteger("-7", -10, 10), -7);
    for (const char* bad : {"", "256", "-1", "+3", "3x", "0x10", " 3", "1.5", "99999999999999999999"})
        EXPECT_THROW(ParseInteger(bad, 0, 255), FieldError) << bad;
}

TEST(ParseFlag, OneOrZero) {
    EXPECT_TRUE(ParseFlag("1"));
    EXPECT_FALSE(ParseFlag("0"));
    EXPECT_THROW(ParseFlag("yes"), FieldError);
}

TEST(ParseColour, HexAndTripleForms) {
    EXPECT_EQ(ParseColour("#E3262b"), (std::array<std::uint8_t, 3>{0xE3, 0x26, 0x2B}));
    EXPECT_EQ(ParseColour("1, 2,3"), (std::array<std::uint8_t, 3>{1, 2, 3}));
    for (const char* bad : {"#12345", "#1234567", "#GG0000", "1,2", "1,2,256", "red"})
        EXPECT_THROW(ParseColour(bad), FieldError) << bad;
}

TEST(ParseBend, DashMeansNone) {
    EXPECT_FALSE(ParseBend("-").has_value());
    const auto bend = ParseBend("130, 355");
    ASSERT_TRUE(bend.has_value());
    EXPECT_EQ(*bend, (Point{130, 355}));
    for (const char* bad : {"", "130", "1,2,3", "a,b", "70000,1"}) EXPECT_THROW(ParseBend(bad), FieldError) << bad;
}

TEST(ParseLabel, SideWithOptionalOffset) {
    const auto plain = ParseLabel("SW");
    EXPECT_EQ(plain.side, LabelSide::SW);
    EXPECT_EQ(plain.dx, 0);
    EXPECT_EQ(plain.dy, 0);
    const auto moved = ParseLabel("NE,-6,4");
    EXPECT_EQ(moved.side, LabelSide::NE);
    EXPECT_EQ(moved.dx, -6);
    EXPECT_EQ(moved.dy, 4);
    EXPECT_FALSE(moved.twoLines);
    const auto twoLines = ParseLabel("SW/,2,-1");
    EXPECT_TRUE(twoLines.twoLines);
    EXPECT_EQ(twoLines.side, LabelSide::SW);
    EXPECT_EQ(twoLines.dx, 2);
    EXPECT_TRUE(ParseLabel("E/").twoLines);
    for (const char* bad : {"", "up", "ne", "N,1", "N,1,2,3", "/", "N//", "-/"})
        EXPECT_THROW(ParseLabel(bad), FieldError) << bad;
}

TEST(ParsePolyline, TwoOrMorePointsSeparatedByBlanks) {
    EXPECT_EQ(ParsePolyline(" -30,5\t600,7  12,-1 ", -50, 700), (std::vector<Point>{{-30, 5}, {600, 7}, {12, -1}}));
    for (const char* bad : {"", "1,2", "1,2,3 4,5", "1,2;3,4", "1,2 3", "1 2 3 4", "1,2 701,0", "a,b 1,2"})
        EXPECT_THROW(ParsePolyline(bad, -50, 700), FieldError) << bad;
}

}  // namespace
}  // namespace tnx::city
