#include <gtest/gtest.h>

#include "engine/route_step_texts.h"
#include "engine/route_texts.h"

namespace tnx {
namespace {

TEST(RouteTexts, MinutesBelowTwoHours) {
    const std::pair<int, const char*> cases[] = {
        {0, "0 минут"},          {1, "1 минута"},        {3, "3 минуты"},         {12, "12 минут"},
        {21, "21 минута"},       {59, "59 минут"},       {60, "1 час 0 минут"},   {62, "1 час 2 минуты"},
        {71, "1 час 11 минут"},  {79, "1 час 19 минут"}, {81, "1 час 21 минута"}, {83, "1 час 23 минуты"},
        {119, "1 час 59 минут"},
    };
    for (const auto& [m, text] : cases) EXPECT_EQ(MinutesText(static_cast<std::uint8_t>(m)), text) << m;
}

TEST(RouteTexts, MinutesFromTwoHoursUseTheRightHourForm) {
    EXPECT_EQ(MinutesText(120), "2 часа 0 минут");
    EXPECT_EQ(MinutesText(125), "2 часа 5 минут");
    EXPECT_EQ(MinutesText(131), "2 часа 11 минут");
    EXPECT_EQ(MinutesText(181), "3 часа 1 минута");
    EXPECT_EQ(MinutesText(242), "4 часа 2 минуты");
    EXPECT_EQ(MinutesText(255), "4 часа 15 минут");
}

TEST(RouteTexts, Changes) {
    EXPECT_EQ(ChangesText(0), "0 пересадок");
    EXPECT_EQ(ChangesText(1), "1 пересадка");
    EXPECT_EQ(ChangesText(2), "2 пересадки");
    EXPECT_EQ(ChangesText(4), "4 пересадки");
    EXPECT_EQ(ChangesText(5), "5 пересадок");
    EXPECT_EQ(ChangesText(21), "21 пересадок");
}

TEST(RouteTexts, StopsAndTheComparisonWithTheFirstRoute) {
    EXPECT_EQ(StopsText(1), "1 остановка");
    EXPECT_EQ(StopsText(3), "3 остановки");
    EXPECT_EQ(StopsText(12), "12 остановок");
    EXPECT_EQ(StopsText(22), "22 остановки");

    struct Case {
        int firstTime, firstChanges, time, changes;
        const char* text;
    };
    const Case cases[] = {
        {17, 2, 21, 1, "+4 минуты, \u22121 пересадка"},
        {17, 2, 17, 2, "то же время, столько же пересадок"},
        {30, 0, 25, 2, "\u22125 минут, +2 пересадки"},
        {20, 1, 85, 1, "+1 час 5 минут, столько же пересадок"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComparisonText(static_cast<std::uint8_t>(c.firstTime), static_cast<std::uint8_t>(c.firstChanges),
                                 static_cast<std::uint8_t>(c.time), static_cast<std::uint8_t>(c.changes)),
                  c.text);
}

}  // namespace
}  // namespace tnx
