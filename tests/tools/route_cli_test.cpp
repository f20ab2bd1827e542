#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tools/route/json_writer.h"
#include "tools/route/route_cli.h"

namespace tnx {
namespace {

const std::string kCity = std::string(TUNNEX_PROGRAM_DIR) + "/kharkiv.tnd";
const std::string kMoscow = std::string(TUNNEX_PROGRAM_DIR) + "/moscow.tnd";
constexpr auto npos = std::string::npos;

struct CliRun {
    int status = -1;
    std::string out, err;
};

int RunWith(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    args.insert(args.begin(), "tunnex-route");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    return RunRouteCli(static_cast<int>(argv.size()), argv.data(), out, err);
}

CliRun Cli(std::vector<std::string> args, bool withCity = true) {
    if (withCity) args.insert(args.begin(), {"--city", kCity});
    std::ostringstream out, err;
    CliRun r;
    r.status = RunWith(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

CliRun Moscow(std::vector<std::string> args) {
    args.insert(args.begin(), {"--city", kMoscow});
    return Cli(args, false);
}

// Output that goes nowhere, as on a full disk.
class TFullBuffer : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
};

TEST(RouteCli, ReproducesTheReferenceRoutes) {
    EXPECT_EQ(Cli({"12", "29"}).out, "28 минут, 1 пересадка\n");
    EXPECT_EQ(Cli({"12", "9"}).out, "16 минут, 1 пересадка\n");
    EXPECT_EQ(Cli({"--wait", "none", "--all", "12", "9"}).out, "13 минут, 1 пересадка\n17 минут, 2 пересадки\n");
    EXPECT_EQ(Cli({"--unranked", "12", "9"}).out, "28 минут, 2 пересадки\n16 минут, 1 пересадка\n");
    EXPECT_EQ(Cli({"--wait", "evening", "12", "9"}).out, "18 минут, 1 пересадка\n");
    EXPECT_EQ(Cli({"--by-changes", "--all", "--time-diff", "20", "--wait", "none", "9", "12"}).status, 0);
}

TEST(RouteCli, AcceptsNamesAndReportsUnknownOnes) {
    EXPECT_EQ(Cli({"Холодная гора", "Героев труда"}).out, "28 минут, 1 пересадка\n");
    const CliRun unknown = Cli({"Проспект", "9"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("Проспект победы"), std::string::npos);  // candidates listed
    EXPECT_NE(unknown.err.find("Проспект Гагарина"), std::string::npos);
    EXPECT_EQ(Cli({"0", "9"}).status, 2);
    EXPECT_EQ(Cli({"12", "39"}).status, 2);
}

TEST(RouteCli, TakesWhatPeopleTypeAndListsWhatItCouldMean) {
    const CliRun typed = Moscow({"Савеловская", "Теплый стан"});
    EXPECT_EQ(typed.status, 0) << typed.err;
    EXPECT_NE(typed.out, "");
    EXPECT_EQ(typed.out, Moscow({"Савёловская", "Тёплый Стан"}).out);
    EXPECT_EQ(Moscow({"ленина", "Выхино"}).out, Moscow({"Библиотека имени Ленина", "Выхино"}).out);
    EXPECT_EQ(Moscow({"ПРОСПЕКТ МИРА~5", "выхино"}).out, Moscow({"Проспект Мира~5", "Выхино"}).out);

    const CliRun two = Moscow({"Арбатская", "Выхино"});
    EXPECT_EQ(two.status, 2);
    EXPECT_EQ(two.out, "");
    EXPECT_NE(two.err.find("\"Арбатская\" names 2 stations:\n  Арбатская (line 3)\n  Арбатская (line 4)\n"), npos)
        << two.err;
    // An exact name outranks the names it begins: Сокол, not Сокольники.
    EXPECT_EQ(Moscow({"сокол", "Выхино"}).out, Moscow({"Сокол", "Выхино"}).out);

    const CliRun typo = Moscow({"Выхино", "Савлвская"});
    EXPECT_EQ(typo.status, 2);
    EXPECT_NE(typo.err.find("unknown station \"Савлвская\"; the nearest names:\n  Савёловская (line 9)\n"), npos)
        << typo.err;
}

TEST(RouteCli, TextOutputEscapesWhatATerminalWouldObey) {
    const CliRun evil = Cli({"\x1b[2J\xff", "9"});
    EXPECT_EQ(evil.status, 2);
    EXPECT_NE(evil.err.find("\"\\x1b[2J\\xff\""), npos) << evil.err;
    EXPECT_EQ(evil.err.find('\x1b'), npos);
    EXPECT_EQ(Cli({"--bogus\x07", "1", "2"}).err.find('\x07'), npos);

    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"Тверская «Пл.»", "Тверская «Пл.»"},
        {"a\tb\nc\rd\\", "a\\tb\\nc\\rd\\\\"},
        {"\x7f\x01", "\\x7f\\x01"},
        {"\xc2\x85", "\\u0085"},                                // a control character of the second block
        {"Тв\xd0", "Тв\\xd0"},                                  // a sequence cut short
        {"\xc0\xaf\xed\xa0\x80", "\\xc0\\xaf\\xed\\xa0\\x80"},  // overlong, surrogate
    };
    for (const auto& c : cases) EXPECT_EQ(EscapedText(c.text), c.escaped) << c.text;
    EXPECT_EQ(JsonString("a\"\xff\x01\\"), "\"a\\\"\\ufffd\\u0001\\\\\"");
}

TEST(RouteCli, AnOutputThatCannotBeWrittenIsAnError) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"12", "29"}, {"--stations"}, {"--json", "8", "8"}}) {
        TFullBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        std::vector<std::string> withCity{"--city", kCity};
        withCity.insert(withCity.end(), args.begin(), args.end());
        EXPECT_EQ(RunWith(withCity, out, err), kExitOutput) << args.front();
        EXPECT_NE(err.str().find("tunnex-route: could not write the output"), npos);
    }
}

TEST(RouteCli, JsonRouteHasSortedSets) {
    const CliRun r = Cli({"--json", "12", "29"});
    EXPECT_EQ(r.out,
              "{\"time\": 28, \"changes\": 1, \"stations\": [12, 13, 14, 15, 29, 30, 31, 32, 33, 34, 35, "
              "36], \"change_stations\": [15, 36], \"lines\": [1, 2], \"text\": \"28 минут, 1 "
              "пересадка\", \"legs\": [{\"kind\": \"ride\", \"line\": 1, \"stations\": [12, 13, 14, 15], "
              "\"toward\": 24, \"minutes\": 6, \"wait\": 3}, {\"kind\": \"transfer\", \"from\": 15, \"to\": 36, "
              "\"minutes\": 1}, {\"kind\": \"ride\", \"line\": 2, \"stations\": [36, 35, 34, 33, 32, 31, 30, 29], "
              "\"toward\": 29, \"minutes\": 15, \"wait\": 3}]}\n");
}

TEST(RouteCli, LegsTellHowToTravel) {
    EXPECT_EQ(
        Cli({"--legs", "12", "29"}).out,
        "28 минут, 1 пересадка\n"
        "  линия 1: Холодная гора → Советская, 3 остановки, 6 минут, ожидание 3 минуты, в сторону «Пролетарская»\n"
        "  пересадка: Советская → Исторический музей, 1 минута\n"
        "  линия 2: Исторический музей → Героев труда, 7 остановок, 15 минут, ожидание 3 минуты, в сторону "
        "«Героев труда»\n");
    // Arriving by a transfer: no ride after it; without waits none is named.
    EXPECT_EQ(Cli({"--legs", "--wait", "none", "12", "9"}).out,
              "13 минут, 1 пересадка\n"
              "  линия 1: Холодная гора → Спортивная, 5 остановок, 10 минут, в сторону «Пролетарская»\n"
              "  пересадка: Спортивная → Метростроителей, 3 минуты\n");

    // Round Moscow's ring a ride has a way round instead of a station to head for.
    const std::string moscow = std::string(TUNNEX_PROGRAM_DIR) + "/moscow.tnd";
    const CliRun ring = Cli({"--city", moscow, "--json", "Курская~5", "Белорусская~5"}, false);
    EXPECT_EQ(ring.status, 0);
    EXPECT_NE(ring.out.find("\"line\": 5, \"stations\": [20, 21, 1, 177, 3, 4], \"direction\": \"backward\", "
                            "\"minutes\": 11, \"wait\": 2}"),
              std::string::npos)
        << ring.out;
    // Суворовская, not yet open, is passed without a stop.
    EXPECT_EQ(Cli({"--city", moscow, "--legs", "Курская~5", "Белорусская~5"}, false).out,
              "13 минут, 0 пересадок\n"
              "  линия 5: Курская → Белорусская, 4 остановки, 11 минут, ожидание 2 минуты, против часовой стрелки\n");
    EXPECT_EQ(Cli({"--city", moscow, "--legs", "Белорусская~5", "Курская~5"}, false).out,
              "13 минут, 0 пересадок\n"
              "  линия 5: Белорусская → Курская, 4 остановки, 11 минут, ожидание 2 минуты, по часовой стрелке\n");
}

TEST(RouteCli, SameStationNoRouteAndBadModule) {
    const CliRun same = Cli({"8", "8"});
    EXPECT_EQ(same.status, 0);
    EXPECT_NE(same.out.find("действующих : 26\n"), std::string::npos);
    EXPECT_NE(same.out.find("Версия      : 1.2\n"), std::string::npos);
    EXPECT_EQ(Cli({"--json", "8", "8"}).out,
              "{\"city\": \"Хаpьков\", \"city_code\": 4, \"lines\": 3, \"stations\": 38, \"operating_stations\": 26, "
              "\"file\": \"kharkiv.tnd\", \"version\": \"1.2\"}\n");

    const CliRun none = Cli({"--changes", "0", "12", "29"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("Маршрут не найден."), std::string::npos);

    EXPECT_EQ(Cli({"--city", "/nonexistent/x.tnd", "1", "2"}, false).status, 3);
}

TEST(RouteCli, DamagedModuleExitsWithItsReason) {
    std::ifstream in(kCity, std::ios::binary);
    const std::string whole{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string damaged = testing::TempDir() + "/damaged.tnd";
    const std::pair<std::string, const char*> cases[] = {
        {whole.substr(0, 200000), "damaged.tnd: файл обрезан: 200000 байт из "},
        {whole.substr(0, 20), "damaged.tnd: файл короче заголовка (20 байт)"},
        {whole.substr(0, whole.size() - 10) + "?" + whole.substr(whole.size() - 9), "damaged.tnd: данные повреждены"},
    };
    for (const auto& [bytes, reason] : cases) {
        std::ofstream(damaged, std::ios::binary | std::ios::trunc) << bytes;
        const CliRun r = Cli({"--city", damaged, "--stations"}, false);
        EXPECT_EQ(r.status, 3) << reason;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
    }
}

TEST(RouteCli, ListsAndDumps) {
    const CliRun stations = Cli({"--stations"});
    EXPECT_EQ(std::count(stations.out.begin(), stations.out.end(), '\n'), 38);
    EXPECT_NE(stations.out.find("12\tХолодная гора\t1\topen\n"), std::string::npos);
    EXPECT_NE(stations.out.find("1\tПроспект победы\t3\tclosed\n"), std::string::npos);

    const CliRun dump = Cli({"--dump"});
    EXPECT_NE(dump.out.find("\"NumOfStations\": 38"), std::string::npos);
    EXPECT_NE(dump.out.find("{\"from_line\": 1, \"to_line\": 2, \"option\": 1, \"FromStation\": 15, "
                            "\"ToStation\": 36, \"Minutes\": 1}"),
              std::string::npos);
    EXPECT_NE(dump.out.find("\"evening_waits\": [5, 8, 10, 0, 0, 0, 0, 0, 0, 0, 0]"), std::string::npos);
    EXPECT_EQ(std::count(dump.out.begin(), dump.out.end(), '{'), 1 + 38 + 6);
}

TEST(RouteCli, UsageErrors) {
    EXPECT_EQ(Cli({"--wait", "night", "1", "2"}).status, 2);
    EXPECT_EQ(Cli({"--changes", "300", "1", "2"}).status, 2);
    EXPECT_EQ(Cli({"1"}).status, 2);
    EXPECT_EQ(Cli({"--bogus", "1", "2"}).status, 2);
    EXPECT_EQ(Cli({"--help"}, false).status, 0);
}

}  // namespace
}  // namespace tnx
