// Byte layouts of a city module's data resources. The in-memory tables are
// these very bytes, so a city loads by block copies and nothing is parsed.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace tnx {

static_assert(std::endian::native == std::endian::little, "city data words are little-endian and are read in place");

constexpr int kMaxStations = 180;
constexpr int kMaxLines = 11;
constexpr int kMaxNameLength = 25;

// One station record, 46 bytes.
struct TStation {
    std::uint8_t NameLength;
    char Name[kMaxNameLength];  // Windows-1251; only NameLength bytes count
    std::uint8_t Line;
    std::uint8_t Reserved1;
    std::uint16_t X;
    std::uint16_t Y;
    std::uint8_t Next;
    std::uint8_t Prev;
    std::uint8_t MinutesToNext;
    std::uint8_t MinutesToPrev;
    std::uint16_t BendToNextX;
    std::uint16_t BendToNextY;
    std::uint16_t BendToPrevX;
    std::uint16_t BendToPrevY;
    std::uint8_t InOperation;
    std::uint8_t Reserved2;
};

static_assert(sizeof(TStation) == 46);
static_assert(offsetof(TStation, NameLength) == 0);
static_assert(offsetof(TStation, Name) == 1);
static_assert(offsetof(TStation, Line) == 26);
static_assert(offsetof(TStation, Reserved1) == 27);
static_assert(offsetof(TStation, X) == 28);
static_assert(offsetof(TStation, Y) == 30);
static_assert(offsetof(TStation, Next) == 32);
static_assert(offsetof(TStation, Prev) == 33);
static_assert(offsetof(TStation, MinutesToNext) == 34);
static_assert(offsetof(TStation, MinutesToPrev) == 35);
static_assert(offsetof(TStation, BendToNextX) == 36);
static_assert(offsetof(TStation, BendToNextY) == 38);
static_assert(offsetof(TStation, BendToPrevX) == 40);
static_assert(offsetof(TStation, BendToPrevY) == 42);
static_assert(offsetof(TStation, InOperation) == 44);
static_assert(offsetof(TStation, Reserved2) == 45);

// One transfer option, 3 bytes; Minutes 0 means the option does not exist.
struct TTransferOption {
    std::uint8_t FromStation;
    std::uint8_t ToStation;
    std::uint8_t Minutes;
};

static_assert(sizeof(TTransferOption) == 3);
static_assert(offsetof(TTransferOption, FromStation) == 0);
static_assert(offsetof(TTransferOption, ToStation) == 1);
static_assert(offsetof(TTransferOption, Minutes) == 2);

// Record n of the resource is Records[n - 1].
struct TStationTable {
    TStation Records[kMaxStations];
};

// Cell (a, b), option k is Cells[a - 1][b - 1][k - 1].
struct TTransferTable {
    TTransferOption Cells[kMaxLines][kMaxLines][2];
};

// Entry n - 1 belongs to line n.
using TWaitTable = std::array<std::uint8_t, kMaxLines>;

constexpr std::size_t kStationsResourceSize = 8280;
constexpr std::size_t kChangesResourceSize = 726;
constexpr std::size_t kWaitResourceSize = 11;

static_assert(sizeof(TStationTable) == kStationsResourceSize);
static_assert(offsetof(TStationTable, Records) == 0);
static_assert(sizeof(TTransferTable) == kChangesResourceSize);
static_assert(offsetof(TTransferTable, Cells[1][0][0]) == 66);
static_assert(offsetof(TTransferTable, Cells[0][1][0]) == 6);
static_assert(offsetof(TTransferTable, Cells[0][0][1]) == 3);
static_assert(sizeof(TWaitTable) == kWaitResourceSize);

// Windows resource types, kept so that the names of the original format stay meaningful.
constexpr std::uint32_t kResourceTypeBitmap = 2;
constexpr std::uint32_t kResourceTypeRcData = 10;

}  // namespace tnx
