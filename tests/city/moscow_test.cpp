// The Moscow module as the program opens it: the network of 2002 with its ring.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "tests/city/shipped_city.h"

namespace tnx::shipped {
namespace {

class Moscow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { moscow_ = LoadShippedCity("moscow").release(); }
    static void TearDownTestSuite() {
        delete moscow_;
        moscow_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(moscow_->error.empty()) << moscow_->error; }

    TCity& City() { return moscow_->City(); }
    std::uint8_t Named(const char* name) {
        const std::uint8_t n = StationNamed(City(), name);
        EXPECT_NE(n, 0) << name;
        return n;
    }
    static ShippedCity* moscow_;
};

ShippedCity* Moscow::moscow_ = nullptr;

TEST_F(Moscow, ExportsTheShippedValues) {
    const TLoadedCity& loaded = *moscow_->loaded;
    EXPECT_EQ(loaded.FileVersion, 1);
    EXPECT_EQ(loaded.City.CityCode, 1);
    EXPECT_EQ(loaded.CityVersion, 6);
    EXPECT_EQ(loaded.City.NumOfStations, 177);
    EXPECT_EQ(loaded.City.NumOfLines, 11);
    EXPECT_EQ(loaded.MaxChanges, 4);
    EXPECT_EQ(loaded.City.IsNTime, 1);

    // The default station is central and open: Охотный ряд.
    ASSERT_EQ(loaded.DefFirstStation, 109);
    EXPECT_EQ(Cp1251ToUtf8(StoredName(City().Station(109))), "Охотный ряд");
    EXPECT_EQ(City().Station(109).InOperation, 1);
    EXPECT_NE(Cp1251ToUtf8(loaded.InfoText).find("о Московском метро"), std::string::npos);
}

TEST_F(Moscow, TheNetworkOf2002WithItsPlannedStations) {
    const TCity& city = City();
    int perLine[12] = {};
    for (int n = 1; n <= 177; ++n) ++perLine[city.Station(static_cast<std::uint8_t>(n)).Line];
    const int expected[12] = {0, 20, 22, 14, 14, 13, 24, 21, 8, 25, 13, 3};
    for (int line = 1; line <= 11; ++line) EXPECT_EQ(perLine[line], expected[line]) << "line " << line;

    // Fourteen stations being built or planned, and Воробьёвы горы closed for rebuilding.
    const char* closed[] = {"Суворовская",   "Тропарёво",   "Воробьёвы горы",     "Ховрино",
                            "Братеево",      "Парк Победы", "Славянский бульвар", "Строгино",
                            "Волоколамская", "Жулебино",    "Новокосино",         "Бульвар Дмитрия Донского",
                            "Борисово",      "Шипиловская", "Зябликово"};
    for (const char* name : closed) EXPECT_EQ(city.Station(Named(name)).InOperation, 0) << name;
    EXPECT_EQ(StationsInOperation(city), 177 - static_cast<int>(std::size(closed)));
    for (const std::string& problem : NetworkProblems(city)) ADD_FAILURE() << problem;
}

TEST_F(Moscow, TheRingRunsOnTheDrawnEllipse) {
    const TCity& city = City();
    const int chain[] = {1, 21, 20, 17, 15, 13, 12, 10, 8, 6, 4, 3, 177};
    double previousAngle = -10;
    double turned = 0;
    for (std::size_t i = 0; i < std::size(chain); ++i) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(chain[i]));
        EXPECT_EQ(s.Line, 5);
        EXPECT_EQ(s.Next, chain[(i + 1) % std::size(chain)]) << chain[i];
        EXPECT_EQ(s.Prev, chain[(i + std::size(chain) - 1) % std::size(chain)]) << chain[i];
        // On the ellipse inscribed in (147, 137)-(430, 417), and never on its split line.
        const double u = (s.X + 0.5 - 289.0) / 141.5;
        const double v = (s.Y + 0.5 - 277.5) / 140.0;
        EXPECT_NEAR(std::hypot(u, v), 1.0, 0.006) << chain[i];
        EXPECT_NE(s.X, 289) << chain[i];
        // Next goes round one way (clockwise on the screen), once.
        const double angle = std::atan2(v, u);
        if (i > 0) turned += std::remainder(angle - previousAngle, 2 * std::numbers::pi);
        previousAngle = angle;
    }
    EXPECT_NEAR(turned, 2 * std::numbers::pi * 12 / 13, std::numbers::pi / 2);
    EXPECT_GT(turned, 0);
    EXPECT_EQ(city.Station(177).InOperation, 0);
    int ringStations = 0;
    for (int n = 1; n <= 177; ++n) ringStations += city.Station(static_cast<std::uint8_t>(n)).Line == 5;
    EXPECT_EQ(ringStations, 13);
}

TEST_F(Moscow, EveryInterchangeIsInTheTransferTableBothWays) {
    struct Interchange {
        const char* a;
        const char* b;
        int minutes;
    };
    const Interchange interchanges[] = {
        // The ring and the lines it crosses.
        {"Комсомольская~1", "Комсомольская~5", 3},
        {"Парк культуры~1", "Парк культуры~5", 3},
        {"Белорусская~2", "Белорусская~5", 2},
        {"Павелецкая~2", "Павелецкая~5", 4},
        {"Курская~3", "Курская~5", 2},
        {"Киевская~3", "Киевская~5", 3},
        {"Киевская~4", "Киевская~5", 3},
        {"Проспект Мира~6", "Проспект Мира~5", 2},
        {"Октябрьская~6", "Октябрьская~5", 3},
        {"Баррикадная", "Краснопресненская", 3},
        {"Таганская~7", "Таганская~5", 3},
        {"Марксистская", "Таганская~5", 4},
        {"Менделеевская", "Новослободская", 3},
        {"Серпуховская", "Добрынинская", 3},
        {"Чкаловская", "Курская~5", 4},
        // The centre.
        {"Охотный ряд", "Театральная", 3},
        {"Театральная", "Площадь Революции", 2},
        {"Охотный ряд", "Площадь Революции", 4},
        {"Библиотека имени Ленина", "Арбатская~3", 3},
        {"Библиотека имени Ленина", "Александровский сад", 3},
        {"Библиотека имени Ленина", "Боровицкая", 3},
        {"Арбатская~3", "Александровский сад", 3},
        {"Арбатская~3", "Боровицкая", 4},
        {"Александровский сад", "Боровицкая", 3},
        {"Тверская", "Пушкинская", 2},
        {"Тверская", "Чеховская", 3},
        {"Пушкинская", "Чеховская", 2},
        {"Лубянка", "Кузнецкий мост", 3},
        {"Чистые пруды", "Тургеневская", 2},
        {"Китай-город~6", "Китай-город~7", 1},
        {"Новокузнецкая", "Третьяковская~6", 3},
        {"Новокузнецкая", "Третьяковская~8", 3},
        {"Третьяковская~6", "Третьяковская~8", 1},
        {"Киевская~3", "Киевская~4", 4},
        {"Курская~3", "Чкаловская", 3},
        {"Таганская~7", "Марксистская", 3},
        // Outside the ring.
        {"Площадь Ильича", "Римская", 3},
        {"Пролетарская", "Крестьянская застава", 3},
        {"Каширская~2", "Каширская~0", 1},
        {"Севастопольская", "Каховская", 4},
    };
    const TCity& city = City();
    for (const Interchange& i : interchanges) {
        const std::uint8_t a = Named(i.a);
        const std::uint8_t b = Named(i.b);
        for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
            bool found = false;
            for (int k = 1; k <= 2; ++k) {
                const TTransferOption& o = city.Transfer(city.Station(from).Line, city.Station(to).Line, k);
                found |= o.FromStation == from && o.ToStation == to && o.Minutes == i.minutes;
            }
            EXPECT_TRUE(found) << i.a << " -> " << i.b;
        }
    }
    int options = 0;
    for (const auto& row : city.Changes.Cells)
        for (const auto& cell : row)
            for (const TTransferOption& o : cell) options += o.Minutes != 0;
    EXPECT_EQ(options, 2 * static_cast<int>(std::size(interchanges)));
}

// Expected times by hand from stations.txt, lines.txt and transfers.txt: riding minutes,
// one day wait per ride (2 on lines 1, 2, 3, 5, 6, 7 and 9; 3 on 4, 8 and 10; 4 on 11)
// and the walking minutes.
TEST_F(Moscow, TripsPassengersKnowComeOutFirst) {
    const KnownTrip trips[] = {
        // Line 1 alone: six hops of 2 and the wait of 2.
        {"Сокольники", "Охотный ряд", "14 минут, 0 пересадок", {}},
        // Walk 4 to Площадь Революции, blue 2 + 2 + 3 and its wait: 13. Riding red to the
        // Библиотека and walking 3 to Арбатская takes 14.
        {"Охотный ряд", "Киевская~3", "13 минут, 1 пересадка", {"Охотный ряд", "Площадь Революции"}},
        // The ring the short way: back through the planned Суворовская 3 + 2 + 2 + 2 + 2
        // and the wait, not forward through Таганская in 20.
        {"Курская~5", "Белорусская~5", "13 минут, 0 пересадок", {}},
        // The same arc the other way round, now forward along the chain.
        {"Белорусская~5", "Курская~5", "13 минут, 0 пересадок", {}},
        // Backward from Киевская: 4 + 2 and the wait.
        {"Киевская~5", "Октябрьская~5", "8 минут, 0 пересадок", {}},
        // Line 7 end to end: nineteen hops, 50 minutes, and the wait.
        {"Планерная", "Выхино", "52 минуты, 0 пересадок", {}},
        // Green 22 + 2 to Театральная, walk 3, red 20 + 2: 49. Over the ring via
        // Белорусская and Парк культуры takes 50 with two changes.
        {"Речной вокзал", "Юго-Западная", "49 минут, 1 пересадка", {"Театральная", "Охотный ряд"}},
    };
    for (const KnownTrip& trip : trips) {
        EXPECT_EQ(CheckKnownTrip(*moscow_, trip), "") << trip.from << " -> " << trip.to;
    }
}

TEST_F(Moscow, NamesAndPlacesOf2002) {
    const TCity& city = City();
    // Built in 1975 and left unopened, the station was «Волоколамская» until 2014.
    EXPECT_EQ(Cp1251ToUtf8(StoredName(city.Station(113))), "Волоколамская");
    EXPECT_EQ(city.Station(113).Line, 7);
    // West of Киевская the Филёвская line runs west-north-west, and line 3 turns south of
    // it to Парк Победы (screen y grows downwards).
    const TStation& kievskaya = city.Station(Named("Киевская~4"));
    const TStation& kutuzovskaya = city.Station(Named("Кутузовская"));
    for (const char* name : {"Кутузовская", "Фили", "Кунцевская", "Крылатское"}) {
        const TStation& s = city.Station(Named(name));
        EXPECT_LT(s.X, kievskaya.X) << name;
        EXPECT_LE(s.Y, kievskaya.Y) << name;
    }
    const TStation& krylatskoye = city.Station(Named("Крылатское"));
    EXPECT_LT(kievskaya.X - krylatskoye.X, 2 * (kievskaya.Y - krylatskoye.Y)) << "Крылатское north-west of Киевская";
    EXPECT_GT(city.Station(Named("Парк Победы")).Y, kutuzovskaya.Y);
}

// Riding minutes end to end against published travel times of the lines:
//   line 6, Медведково - Битцевский парк: 55.5 minutes (subway2009.narod.ru, the line's page);
//   line 7, Планерная - Выхино: 50 minutes over its 19 stations (mosopen.ru/metro/line/7);
//   line 9, Алтуфьево - Бульвар Дмитрия Донского: 58 minutes (riamo.ru, mirprometro.moscow),
//     the last hop being built here;
//   line 2: 62 minutes over today's 23 hops (moskovskoemetro.tilda.ws), 2.7 a hop, so about
//     51 over the 19 hops of Речной вокзал - Красногвардейская;
//   Крылатское - Строгино, the longest hop: about 7 minutes (ok.ru/progulkipomsk).
TEST_F(Moscow, LongLinesTakeTheirPublishedTimes) {
    const struct {
        const char* from;
        const char* to;
        double published;
    } lines[] = {
        {"Медведково", "Битцевский парк", 55.5},
        {"Планерная", "Выхино", 50},
        {"Алтуфьево", "Бульвар Дмитрия Донского", 58},
        {"Речной вокзал", "Красногвардейская", 51},
        {"Крылатское", "Строгино", 7},
    };
    for (const auto& line : lines) {
        const int there = RidingMinutes(City(), Named(line.from), Named(line.to));
        const int back = RidingMinutes(City(), Named(line.to), Named(line.from));
        EXPECT_NEAR(there, line.published, 2) << line.from << " - " << line.to;
        EXPECT_EQ(back, -1) << "Next runs from " << line.from << " towards " << line.to;
    }
}

TEST_F(Moscow, EveryRideFollowsItsLine) {
    for (const std::string& wrong : WrongRides(City())) ADD_FAILURE() << wrong;
}

TEST_F(Moscow, EveryOpenStationReachesEveryOtherWithinFiveChanges) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& pair : PairsWithoutRoute(*moscow_, 5)) ADD_FAILURE() << pair;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("seconds", std::to_string(seconds));
}

}  // namespace
}  // namespace tnx::shipped
