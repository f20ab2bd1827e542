// Reading and writing city module files in the layout of module_format.h. A module file
// is untrusted input: every count, offset, size and name is checked against the bytes
// before anything of it is used.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tnx {

struct TModuleResource {
    std::string Name;
    std::uint32_t Type = 0;
    std::uint32_t Offset = 0;
    std::uint32_t Size = 0;
};

// The header and both tables of a module file, checked.
struct TModuleIndex {
    std::vector<std::pair<std::string, std::uint8_t>> Exports;
    std::vector<TModuleResource> Resources;
    std::uint32_t FileSize = 0;
    std::uint32_t DataChecksum = 0;
    std::uint64_t IndexSize = 0;  // bytes before the resource data

    std::optional<std::uint8_t> Export(std::string_view name) const;
    const TModuleResource* Resource(std::string_view name, std::uint32_t type) const;
};

// How many leading bytes of a file ReadModuleIndex needs, read from its first
// module_file::header::kSize bytes; 0 when those cannot start a module file.
std::uint64_t ModuleIndexSize(std::span<const std::uint8_t> header);

// Checks the header and the tables in `head` (at least ModuleIndexSize bytes) of a file
// of `fileSize` bytes: what the catalog needs, without reading the resources.
// Empty optional and a reason in Russian on failure.
std::optional<TModuleIndex> ReadModuleIndex(std::span<const std::uint8_t> head, std::uint64_t fileSize,
                                            std::string& error);

// Checks the whole file: its index, every resource's place and the data checksum.
std::optional<TModuleIndex> ReadModuleFile(std::span<const std::uint8_t> file, std::string& error);

struct TModuleContents {
    std::vector<std::pair<std::string, std::uint8_t>> Exports;
    struct Resource {
        std::string Name;
        std::uint32_t Type = 0;
        std::vector<std::uint8_t> Bytes;
    };
    std::vector<Resource> Resources;
};

// Sets both checksums of a module file to what its bytes give; files whose header does
// not say where its tables end are left alone. For the writer, and for tests and fuzzers
// that change a file and still want it read past its checksums.
void SetModuleChecksums(std::span<std::uint8_t> file);

// The file's bytes: the same contents always give the same bytes. Names must fit their
// fields (15 and 16 ASCII bytes); the caller keeps to that.
std::vector<std::uint8_t> WriteModuleFile(const TModuleContents& contents);

}  // namespace tnx
