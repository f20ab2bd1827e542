// The byte layout of a city module file (*.tnd): a data container, the same on every
// operating system and processor. All words are little-endian.
//
//   header            32 bytes
//   export table      ExportCount records of 16 bytes: the eight byte values by name
//   resource table    ResourceCount records of 28 bytes: name, type, offset, size
//   resource bytes    each resource at its offset, 4-byte aligned, zero padding between
//
// IndexChecksum covers the header (with both checksum fields read as zero) and the two
// tables, so the catalog can trust the exports after reading only the first few hundred
// bytes; DataChecksum covers everything after the tables.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tnx::module_file {

constexpr std::array<char, 8> kMagic = {'T', 'N', 'X', 'C', 'I', 'T', 'Y', '\x1A'};
constexpr std::uint16_t kContainerVersion = 1;

// No shipped module comes near this; anything larger is refused unread.
constexpr std::uint64_t kMaxFileSize = 16u << 20;
constexpr std::uint32_t kMaxExports = 64;
constexpr std::uint32_t kMaxResources = 256;

namespace header {
constexpr std::size_t kMagicOffset = 0;
constexpr std::size_t kVersionOffset = 8;         // u16
constexpr std::size_t kExportCountOffset = 10;    // u16
constexpr std::size_t kResourceCountOffset = 12;  // u32
constexpr std::size_t kFileSizeOffset = 16;       // u32
constexpr std::size_t kIndexChecksumOffset = 20;  // u32, CRC-32
constexpr std::size_t kDataChecksumOffset = 24;   // u32, CRC-32
constexpr std::size_t kReservedOffset = 28;       // u32, 0
constexpr std::size_t kSize = 32;
}  // namespace header

namespace export_record {
constexpr std::size_t kNameOffset = 0;  // ASCII, NUL-padded; 15 bytes may be used in full
constexpr std::size_t kNameSize = 15;
constexpr std::size_t kValueOffset = 15;  // u8
constexpr std::size_t kSize = 16;
}  // namespace export_record

namespace resource_record {
constexpr std::size_t kNameOffset = 0;  // ASCII, NUL-padded
constexpr std::size_t kNameSize = 16;
constexpr std::size_t kTypeOffset = 16;    // u32: kResourceTypeBitmap or kResourceTypeRcData
constexpr std::size_t kOffsetOffset = 20;  // u32, from the start of the file
constexpr std::size_t kSizeOffset = 24;    // u32
constexpr std::size_t kSize = 28;
}  // namespace resource_record

constexpr std::size_t kResourceAlignment = 4;

// The fields lie back to back, each in the bytes the next one's offset leaves it.
static_assert(header::kVersionOffset == header::kMagicOffset + kMagic.size());
static_assert(header::kExportCountOffset == header::kVersionOffset + 2);
static_assert(header::kResourceCountOffset == header::kExportCountOffset + 2);
static_assert(header::kFileSizeOffset == header::kResourceCountOffset + 4);
static_assert(header::kIndexChecksumOffset == header::kFileSizeOffset + 4);
static_assert(header::kDataChecksumOffset == header::kIndexChecksumOffset + 4);
static_assert(header::kReservedOffset == header::kDataChecksumOffset + 4);
static_assert(header::kSize == header::kReservedOffset + 4);
static_assert(export_record::kValueOffset == export_record::kNameOffset + export_record::kNameSize);
static_assert(export_record::kSize == export_record::kValueOffset + 1);
static_assert(resource_record::kTypeOffset == resource_record::kNameOffset + resource_record::kNameSize);
static_assert(resource_record::kOffsetOffset == resource_record::kTypeOffset + 4);
static_assert(resource_record::kSizeOffset == resource_record::kOffsetOffset + 4);
static_assert(resource_record::kSize == resource_record::kSizeOffset + 4);
static_assert(header::kSize % kResourceAlignment == 0 && export_record::kSize % kResourceAlignment == 0 &&
              resource_record::kSize % kResourceAlignment == 0);
static_assert(header::kSize + kMaxExports * export_record::kSize + kMaxResources * resource_record::kSize <
              kMaxFileSize);

// The names under which the eight byte values are stored.
constexpr std::array<const char*, 8> kExportNames = {
    "FileVersion", "CityCode", "CityVersion", "NumOfStations", "NumOfLines", "DefFirstStation", "MaxChanges", "IsNTime",
};

// Bytes before the resource data: the header and both tables.
constexpr std::uint64_t IndexSize(std::uint64_t exportCount, std::uint64_t resourceCount) {
    return header::kSize + exportCount * export_record::kSize + resourceCount * resource_record::kSize;
}

inline std::uint16_t ReadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t ReadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// CRC-32 (the polynomial of zlib and PNG), continued from `crc` (0 to start).
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);

}  // namespace tnx::module_file
