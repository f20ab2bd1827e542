// A loaded city module: its byte exports and its resources.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/module_abi.h"

namespace tnx {

class CityModule {
public:
    // Opens the module by its absolute path (a relative path is made absolute first,
    // so the platform never searches for it). nullptr and a reason on failure.
    static std::unique_ptr<CityModule> Open(const std::filesystem::path& path, std::string& error);

    ~CityModule();
    CityModule(const CityModule&) = delete;
    CityModule& operator=(const CityModule&) = delete;

    // The byte an export returns; empty when the module lacks that export.
    std::optional<std::uint8_t> ByteExport(const char* name) const;

    // The resource's bytes; empty optional when the module has no such resource.
    std::optional<std::span<const unsigned char>> FindResource(std::string_view name,
                                                               std::uint32_t type) const;

    const std::filesystem::path& Path() const { return path_; }

private:
    CityModule(void* library, std::filesystem::path path, const TnxResourceDirectory* directory)
        : library_(library), path_(std::move(path)), directory_(directory) {}

    void* library_;
    std::filesystem::path path_;
    const TnxResourceDirectory* directory_;
};

}  // namespace tnx
