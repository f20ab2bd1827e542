#include "shell/city_module.h"

#include <cstring>

#include "shell/platform/dynamic_library.h"

namespace tnx {

std::unique_ptr<CityModule> CityModule::Open(const std::filesystem::path& path, std::string& error) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) {
        error = ec.message();
        return nullptr;
    }
    if (!std::filesystem::is_regular_file(absolute, ec)) {
        error = "файл не найден";
        return nullptr;
    }
    void* library = platform::OpenLibrary(absolute, error);
    if (library == nullptr) return nullptr;

    const TnxResourceDirectory* directory = nullptr;
    if (void* symbol = platform::FindSymbol(library, kResourceDirectoryExport)) {
        directory = reinterpret_cast<TnxResourceExport>(symbol)();
        if (directory != nullptr &&
            (directory->abiVersion != kTnxResourceAbiVersion ||
             (directory->count > 0 && directory->entries == nullptr))) {
            directory = nullptr;  // an unknown layout is treated as no resources
        }
    }
    return std::unique_ptr<CityModule>(new CityModule(library, absolute, directory));
}

CityModule::~CityModule() { platform::CloseLibrary(library_); }

std::optional<std::uint8_t> CityModule::ByteExport(const char* name) const {
    void* symbol = platform::FindSymbol(library_, name);
    if (symbol == nullptr) return std::nullopt;
    return reinterpret_cast<TnxByteExport>(symbol)();
}

std::optional<std::span<const unsigned char>> CityModule::FindResource(std::string_view name,
                                                                       std::uint32_t type) const {
    if (directory_ == nullptr) return std::nullopt;
    for (std::uint32_t i = 0; i < directory_->count; ++i) {
        const TnxResource& r = directory_->entries[i];
        if (r.name == nullptr || r.type != type || name != r.name) continue;
        if (r.data == nullptr && r.size > 0) return std::nullopt;
        return std::span<const unsigned char>(r.data, r.size);
    }
    return std::nullopt;
}

}  // namespace tnx
