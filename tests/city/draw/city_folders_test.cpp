// The shipped city folders and the tnx-draw tool as the build runs it.
#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "city/draw/city_pictures.h"
#include "city/draw/label_clashes.h"
#include "city/draw/label_reading.h"
#include "city/draw/mark_clearance.h"
#include "city/draw/scheme_layout.h"
#include "city/source/city_source.h"

namespace tnx::city::draw {
namespace {

std::vector<std::filesystem::path> CityFolders() {
    std::vector<std::filesystem::path> folders;
    for (const auto& entry : std::filesystem::directory_iterator(TUNNEX_CITIES_DIR)) {
        if (entry.is_directory()) {
            folders.push_back(entry.path());
        }
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

TEST(CityFolders, EveryCityDrawsWithoutNameClashes) {
    const auto folders = CityFolders();
    ASSERT_FALSE(folders.empty());
    for (const auto& folder : folders) {
        SCOPED_TRACE(folder.string());
        const ParseResult parsed = ParseCityFolder(folder.string());
        ASSERT_TRUE(parsed.city) << parsed.error;
        const std::vector<NamedPicture> pictures = RenderCityPictures(*parsed.city);
        EXPECT_EQ(pictures.size(), parsed.city->lines.size() + 6);
        for (const std::string& clash : FindLabelClashes(LayOutScheme(*parsed.city))) {
            ADD_FAILURE() << clash;
        }
    }
}

// Stations a city still draws badly, by city folder and station number. The lists
// only shrink: a new entry is a fault, and a station that draws right again must
// leave its list.
using KnownFaults = std::map<std::string, std::set<int>>;

// Kharkiv's stations keep the places of its reference tables, which the loader
// tests compare byte for byte.
const KnownFaults kNamesStillMisleading = {
    {"kharkiv", {15, 17, 36}},
};
const KnownFaults kMarksStillCrowded = {
    {"kharkiv", {35}},
};

// Runs find over the scheme of every shipped city and expects only its known faults.
void ExpectOnlyKnownFaults(std::vector<std::string> (*find)(const SchemeLayout&), const char* format,
                           const KnownFaults& knownFaults) {
    for (const auto& folder : CityFolders()) {
        SCOPED_TRACE(folder.string());
        const ParseResult parsed = ParseCityFolder(folder.string());
        ASSERT_TRUE(parsed.city) << parsed.error;
        const auto known = knownFaults.find(folder.filename().string());
        std::set<int> stillFaulty;
        for (const std::string& fault : find(LayOutScheme(*parsed.city))) {
            int station = 0;
            ASSERT_EQ(std::sscanf(fault.c_str(), format, &station), 1) << fault;
            if (known == knownFaults.end() || !known->second.count(station)) {
                ADD_FAILURE() << fault;
            }
            stillFaulty.insert(station);
        }
        if (known != knownFaults.end()) {
            for (const int station : known->second) {
                EXPECT_TRUE(stillFaulty.count(station))
                    << "station " << station << " now draws right: drop it from the list";
            }
        }
    }
}

TEST(CityFolders, EveryNameReadsAsItsOwnStation) {
    ExpectOnlyKnownFaults(FindMisleadingNames, "name of station %d", kNamesStillMisleading);
}

TEST(CityFolders, EveryMarkStandsClearOfOtherLines) {
    ExpectOnlyKnownFaults(FindMarksCrowdedByTracks, "mark of station %d", kMarksStillCrowded);
}

TEST(CityFolders, EveryNameReadsWithItsOwnLine) {
    ExpectOnlyKnownFaults(FindNamesReadWithOtherLines, "name of station %d", {});
}

TEST(CityFolders, NoMarkLiesOnARiver) { ExpectOnlyKnownFaults(FindMarksOnRivers, "mark of station %d", {}); }

// Stations of one name joined by transfers show the name once.
TEST(CityFolders, TransferPartnersOfOneNameShowItOnce) {
    for (const auto& folder : CityFolders()) {
        SCOPED_TRACE(folder.string());
        const ParseResult parsed = ParseCityFolder(folder.string());
        ASSERT_TRUE(parsed.city) << parsed.error;
        const CitySource& city = *parsed.city;
        // Each station's group: the lowest number reached through transfers to its name.
        std::map<int, int> group;
        for (const StationSource& station : city.stations) group[station.number] = station.number;
        std::map<int, QString> name;
        for (const StationSource& station : city.stations) name[station.number] = StationDisplayName(station.name);
        for (bool joined = true; joined;) {
            joined = false;
            for (const TransferSource& transfer : city.transfers) {
                int& a = group.at(transfer.from);
                int& b = group.at(transfer.to);
                if (name.at(transfer.from) == name.at(transfer.to) && a != b) {
                    a = b = std::min(a, b);
                    joined = true;
                }
            }
        }
        std::map<int, int> members;
        std::map<int, int> labels;
        for (const auto& [station, first] : group) ++members[first];
        for (const StationLabel& label : LayOutScheme(city).labels) ++labels[group.at(label.station)];
        for (const auto& [first, count] : members) {
            if (count > 1) {
                EXPECT_EQ(labels[first], 1)
                    << name.at(first).toStdString() << " " << first << " and " << count - 1 << " more";
            }
        }
    }
}

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RunDraw(const QStringList& arguments, QString* errors = nullptr) {
    QProcess process;
    process.start(QStringLiteral(TNX_DRAW_PATH), arguments);
    if (!process.waitForFinished(60000)) {
        return -1;
    }
    if (errors != nullptr) {
        *errors = QString::fromUtf8(process.readAllStandardError());
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(DrawTool, WritesEveryPictureOfACity) {
    QTemporaryDir out;
    const std::filesystem::path folder = CityFolders().front();
    ASSERT_EQ(RunDraw({QString::fromStdString(folder.string()), out.path() + "/pictures"}), 0);

    const ParseResult parsed = ParseCityFolder(folder.string());
    ASSERT_TRUE(parsed.city);
    std::vector<std::pair<std::string, int>> expected = {{"MAP", 591},   {"FLAG1", 14},  {"FLAG2", 14},
                                                         {"FLAG1A", 14}, {"FLAG2A", 14}, {"CIRCLE", 10}};
    for (const LineSource& line : parsed.city->lines) {
        expected.emplace_back(std::string("L").append(std::to_string(line.number)), 16);
    }
    for (const auto& [name, width] : expected) {
        const auto bytes = ReadAll(out.path().toStdString() + "/pictures/" + name + ".dib");
        ASSERT_GE(bytes.size(), 40u) << name;
        EXPECT_EQ(bytes[4] | bytes[5] << 8, width) << name;
        EXPECT_EQ(bytes[14], 8) << name << " bits per pixel";
    }
}

TEST(DrawTool, RejectsBadInputWithAMessageAndWritesNothing) {
    QTemporaryDir work;
    const QString out = work.path() + "/pictures";
    QString errors;
    EXPECT_EQ(RunDraw({work.path() + "/no-such-city", out}, &errors), 1);
    EXPECT_TRUE(errors.contains("no-such-city")) << errors.toStdString();
    EXPECT_FALSE(std::filesystem::exists(out.toStdString()));

    EXPECT_EQ(RunDraw({work.path()}), 2);
}

}  // namespace
}  // namespace tnx::city::draw
