// A city module file, read whole into memory and checked: its byte values and its
// resources. Nothing of the file stays open or mapped, so replacing or deleting it
// while the program runs changes nothing here.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/module_file.h"

namespace tnx {

class CityModule {
public:
    // Reads and checks the module at path. nullptr and a reason in Russian on failure.
    static std::unique_ptr<CityModule> Open(const std::filesystem::path& path, std::string& error);

    // The same checks on bytes already in memory (the fuzzers and tests use this).
    static std::unique_ptr<CityModule> FromBytes(std::vector<std::uint8_t> bytes, std::filesystem::path path,
                                                 std::string& error);

    // The byte value stored under an export name; empty when the module has none.
    std::optional<std::uint8_t> ByteExport(const char* name) const;

    // The resource's bytes; empty optional when the module has no such resource.
    std::optional<std::span<const unsigned char>> FindResource(std::string_view name, std::uint32_t type) const;

    const std::filesystem::path& Path() const { return path_; }

private:
    CityModule(std::vector<std::uint8_t> bytes, TModuleIndex index, std::filesystem::path path)
        : bytes_(std::move(bytes)), index_(std::move(index)), path_(std::move(path)) {}

    std::vector<std::uint8_t> bytes_;
    TModuleIndex index_;
    std::filesystem::path path_;
};

// The byte values of the module at path, from its header and tables alone: what the
// catalog reads. Empty optional and a reason on failure.
std::optional<TModuleIndex> PeekCityModule(const std::filesystem::path& path, std::string& error);

}  // namespace tnx
