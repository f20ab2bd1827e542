#include "shell/city_module.h"

#include <fstream>

#include "model/module_format.h"

namespace tnx {
namespace {

// The file's size, checked against the limit before anything is read.
bool SizeOfModuleFile(const std::filesystem::path& path, std::uint64_t& size, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = ec ? "файл недоступен (" + ec.message() + ")" : "файл не найден";
        return false;
    }
    size = std::filesystem::file_size(path, ec);
    if (ec) {
        error = "размер файла не определяется (" + ec.message() + ")";
        return false;
    }
    if (size > module_file::kMaxFileSize) {
        error = "файл слишком велик (" + std::to_string(size) + " байт, допустимо до " +
                std::to_string(module_file::kMaxFileSize) + ")";
        return false;
    }
    return true;
}

// Up to `count` bytes from the start of the file; fewer when it has fewer.
bool ReadFront(const std::filesystem::path& path, std::uint64_t count, std::vector<std::uint8_t>& bytes,
               std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "файл не открывается для чтения";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(count));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    if (in.bad()) {
        error = "ошибка чтения файла";
        return false;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return true;
}

}  // namespace

std::unique_ptr<CityModule> CityModule::Open(const std::filesystem::path& path, std::string& error) {
    std::uint64_t size = 0;
    std::vector<std::uint8_t> bytes;
    if (!SizeOfModuleFile(path, size, error) || !ReadFront(path, size, bytes, error)) return nullptr;
    return FromBytes(std::move(bytes), path, error);
}

std::unique_ptr<CityModule> CityModule::FromBytes(std::vector<std::uint8_t> bytes, std::filesystem::path path,
                                                  std::string& error) {
    auto index = ReadModuleFile(bytes, error);
    if (!index) return nullptr;
    return std::unique_ptr<CityModule>(new CityModule(std::move(bytes), std::move(*index), std::move(path)));
}

std::optional<std::uint8_t> CityModule::ByteExport(const char* name) const { return index_.Export(name); }

std::optional<std::span<const unsigned char>> CityModule::FindResource(std::string_view name,
                                                                       std::uint32_t type) const {
    const TModuleResource* r = index_.Resource(name, type);
    if (r == nullptr) return std::nullopt;
    return std::span<const unsigned char>(bytes_).subspan(r->Offset, r->Size);
}

std::optional<TModuleIndex> PeekCityModule(const std::filesystem::path& path, std::string& error) {
    std::uint64_t size = 0;
    std::vector<std::uint8_t> head;
    if (!SizeOfModuleFile(path, size, error) || !ReadFront(path, module_file::header::kSize, head, error))
        return std::nullopt;
    const std::uint64_t indexSize = ModuleIndexSize(head);
    if (indexSize > head.size() && indexSize <= size && !ReadFront(path, indexSize, head, error)) return std::nullopt;
    return ReadModuleIndex(head, size, error);
}

}  // namespace tnx
