// What a city module (*.tnd) exports. Shared by the module source and the loader.
//
// Eight functions, each returning one constant byte, bound by name:
//   FileVersion, CityCode, CityVersion, NumOfStations, NumOfLines,
//   DefFirstStation, MaxChanges, IsNTime
// and one resource directory, because shared objects carry no resource section.
#pragma once

#include <cstdint>

extern "C" {

struct TnxResource {
    const char* name;     // "STATIONS", "MAP", "L1", ...
    std::uint32_t type;   // kResourceTypeBitmap or kResourceTypeRcData
    std::uint32_t size;   // bytes
    const unsigned char* data;
};

struct TnxResourceDirectory {
    std::uint32_t abiVersion;  // kTnxResourceAbiVersion
    std::uint32_t count;
    const TnxResource* entries;
};

typedef unsigned char (*TnxByteExport)(void);
typedef const TnxResourceDirectory* (*TnxResourceExport)(void);
}

namespace tnx {

constexpr std::uint32_t kTnxResourceAbiVersion = 1;
constexpr const char* kResourceDirectoryExport = "TnxResources";

}  // namespace tnx

#if defined(_WIN32)
#define TNX_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define TNX_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif
