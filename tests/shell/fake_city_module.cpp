// A hand-made city module for the loader's refusals. Each build variant breaks
// one thing, chosen by a FAKE_* definition.
#include <cstring>

#include "model/city_format.h"
#include "model/module_abi.h"

#ifndef FAKE_CITY_CODE
#define FAKE_CITY_CODE 4
#endif
#ifndef FAKE_NUM_STATIONS
#define FAKE_NUM_STATIONS 3
#endif

namespace {

struct Data {
    tnx::TStationTable stations{};
    tnx::TTransferTable changes{};
    unsigned char day[11] = {2, 3};
    unsigned char evening[11] = {4, 5};
    char info[16] = "   Тест.";

    Data() {
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
#ifdef FAKE_BAD_LINK
        stations.Records[0].Next = 9;
#endif
#ifdef FAKE_BAD_TRANSFER
        changes.Cells[0][1][1] = {2, 77, 1};
#endif
    }
};

const Data kData;

#ifdef FAKE_SHORT_CHANGES
constexpr std::uint32_t kChangesSize = 700;
#else
constexpr std::uint32_t kChangesSize = sizeof(tnx::TTransferTable);
#endif

const TnxResource kResources[] = {
#ifndef FAKE_OMIT_STATIONS
    {"STATIONS", tnx::kResourceTypeRcData, sizeof kData.stations,
     reinterpret_cast<const unsigned char*>(&kData.stations)},
#endif
    {"CHANGES", tnx::kResourceTypeRcData, kChangesSize,
     reinterpret_cast<const unsigned char*>(&kData.changes)},
    {"DWAITTIME", tnx::kResourceTypeRcData, 11, kData.day},
    {"NWAITTIME", tnx::kResourceTypeRcData, 11, kData.evening},
    {"INFO", tnx::kResourceTypeRcData, sizeof kData.info,
     reinterpret_cast<const unsigned char*>(kData.info)},
};

const TnxResourceDirectory kDirectory = {tnx::kTnxResourceAbiVersion,
                                         sizeof kResources / sizeof kResources[0], kResources};

}  // namespace

#ifndef FAKE_NO_CITY_CODE
TNX_MODULE_EXPORT unsigned char CityCode(void) { return FAKE_CITY_CODE; }
#endif
TNX_MODULE_EXPORT unsigned char FileVersion(void) { return 1; }
TNX_MODULE_EXPORT unsigned char CityVersion(void) { return 9; }
TNX_MODULE_EXPORT unsigned char NumOfStations(void) { return FAKE_NUM_STATIONS; }
TNX_MODULE_EXPORT unsigned char NumOfLines(void) { return 2; }
TNX_MODULE_EXPORT unsigned char DefFirstStation(void) { return 1; }
TNX_MODULE_EXPORT unsigned char MaxChanges(void) { return 5; }
TNX_MODULE_EXPORT unsigned char IsNTime(void) { return 1; }
TNX_MODULE_EXPORT const TnxResourceDirectory* TnxResources(void) { return &kDirectory; }
