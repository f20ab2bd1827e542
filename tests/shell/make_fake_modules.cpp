// make_fake_modules FOLDER: writes hand-made city modules for the loader's refusals,
// each broken in one way, beside one good one.
// make_fake_modules --small IN.tnd OUT.tnd: a copy of a module with every picture larger
// than its CIRCLE replaced by the CIRCLE, a real city small enough to fuzz quickly.
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>

#include "model/city_format.h"
#include "model/module_file.h"
#include "model/module_format.h"

namespace {

using tnx::TModuleContents;

struct Tables {
    tnx::TStationTable stations{};
    tnx::TTransferTable changes{};

    Tables() {
        auto station = [&](int n, const char* name, int line, int next, int prev) {
            tnx::TStation& s = stations.Records[n - 1];
            s.NameLength = static_cast<std::uint8_t>(std::strlen(name));
            std::memcpy(s.Name, name, s.NameLength);
            s.Line = static_cast<std::uint8_t>(line);
            s.X = static_cast<std::uint16_t>(20 * n);
            s.Y = 20;
            s.Next = static_cast<std::uint8_t>(next);
            s.Prev = static_cast<std::uint8_t>(prev);
            s.MinutesToNext = next ? 2 : 0;
            s.MinutesToPrev = prev ? 2 : 0;
            s.InOperation = 1;
        };
        station(1, "A", 1, 2, 0);
        station(2, "B", 1, 0, 1);
        station(3, "C", 2, 0, 0);
        changes.Cells[0][1][0] = {2, 3, 1};
        changes.Cells[1][0][0] = {3, 2, 1};
    }
};

template <typename T>
std::vector<std::uint8_t> Bytes(const T& value) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
    return {p, p + sizeof value};
}

// Three stations on two lines with one transfer, and no pictures.
TModuleContents Good(const std::function<void(Tables&)>& breakTables = {}) {
    Tables t;
    if (breakTables) breakTables(t);
    TModuleContents c;
    const std::uint8_t values[] = {1, 4, 9, 3, 2, 1, 5, 1};
    for (std::size_t i = 0; i < std::size(values); ++i)
        c.Exports.emplace_back(tnx::module_file::kExportNames[i], values[i]);
    const char info[16] = "   Тест.";
    c.Resources = {
        {"STATIONS", tnx::kResourceTypeRcData, Bytes(t.stations)},
        {"CHANGES", tnx::kResourceTypeRcData, Bytes(t.changes)},
        {"DWAITTIME", tnx::kResourceTypeRcData, {2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"NWAITTIME", tnx::kResourceTypeRcData, {4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"INFO", tnx::kResourceTypeRcData, {info, info + sizeof info}},
    };
    return c;
}

TModuleContents WithExport(TModuleContents c, const char* name, std::uint8_t value) {
    for (auto& e : c.Exports)
        if (e.first == name) e.second = value;
    return c;
}

TModuleContents Without(TModuleContents c, const std::string& name) {
    std::erase_if(c.Exports, [&](const auto& e) { return e.first == name; });
    std::erase_if(c.Resources, [&](const auto& r) { return r.Name == name; });
    return c;
}

}  // namespace

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())));
}

int SmallCopy(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string error;
    const auto index = tnx::ReadModuleFile(file, error);
    const auto* circle = index ? index->Resource("CIRCLE", tnx::kResourceTypeBitmap) : nullptr;
    if (circle == nullptr) {
        std::cerr << from << ": " << (index ? "no CIRCLE" : error) << "\n";
        return 1;
    }
    const auto bytesOf = [&](const tnx::TModuleResource& r) {
        return std::vector<std::uint8_t>(file.begin() + r.Offset, file.begin() + r.Offset + r.Size);
    };
    TModuleContents small;
    small.Exports = index->Exports;
    for (const tnx::TModuleResource& r : index->Resources) {
        const bool large = r.Type == tnx::kResourceTypeBitmap && r.Size > circle->Size;
        small.Resources.push_back({r.Name, r.Type, bytesOf(large ? *circle : r)});
    }
    return WriteFile(to, tnx::WriteModuleFile(small)) ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--small") return SmallCopy(argv[2], argv[3]);
    if (argc != 2) {
        std::cerr << "usage: make_fake_modules FOLDER\n       make_fake_modules --small IN.tnd OUT.tnd\n";
        return 2;
    }
    TModuleContents shortChanges = Good();
    shortChanges.Resources[1].Bytes.resize(700);
    const std::pair<const char*, TModuleContents> modules[] = {
        {"good", Good()},
        {"moscow", WithExport(Good(), "CityCode", 1)},
        {"code15", WithExport(Good(), "CityCode", 15)},
        {"nocode", Without(Good(), "CityCode")},
        {"nostations", Without(Good(), "STATIONS")},
        {"shortchanges", shortChanges},
        {"toomany", WithExport(Good(), "NumOfStations", 181)},
        {"badlink", Good([](Tables& t) { t.stations.Records[0].Next = 9; })},
        {"badtransfer", Good([](Tables& t) {
             t.changes.Cells[0][1][1] = {2, 77, 1};
         })},
    };
    for (const auto& [name, contents] : modules) {
        if (!WriteFile(std::string(argv[1]) + "/" + name + ".tnd", tnx::WriteModuleFile(contents))) {
            std::cerr << name << ".tnd: cannot be written\n";
            return 1;
        }
    }
    return 0;
}
