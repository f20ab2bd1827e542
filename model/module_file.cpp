#include "model/module_file.h"

#include <algorithm>
#include <array>

#include "model/city_format.h"
#include "model/module_format.h"

namespace tnx {
namespace mf = module_file;
namespace {

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

// A stored name: printable ASCII, then NUL bytes only. Empty when it is not one.
std::string ReadName(const std::uint8_t* field, std::size_t size) {
    std::size_t length = 0;
    while (length < size && field[length] != 0) {
        if (field[length] < 0x21 || field[length] > 0x7E) return {};
        ++length;
    }
    for (std::size_t i = length; i < size; ++i)
        if (field[i] != 0) return {};
    return std::string(reinterpret_cast<const char*>(field), length);
}

void WriteU16(std::span<std::uint8_t> out, std::size_t at, std::uint16_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void WriteU32(std::span<std::uint8_t> out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

void WriteName(std::vector<std::uint8_t>& out, std::size_t at, const std::string& name, std::size_t size) {
    std::copy_n(name.begin(), std::min(name.size(), size), out.begin() + static_cast<std::ptrdiff_t>(at));
}

// The index checksum reads both checksum fields as zero.
std::uint32_t IndexChecksum(std::span<const std::uint8_t> index) {
    std::array<std::uint8_t, mf::header::kSize> header{};
    std::copy_n(index.begin(), header.size(), header.begin());
    std::fill_n(header.begin() + mf::header::kIndexChecksumOffset, 8, std::uint8_t{0});
    const std::uint32_t crc = mf::Crc32(header);
    return mf::Crc32(index.subspan(header.size()), crc);
}

std::string Bytes(std::uint64_t n) { return std::to_string(n) + " байт"; }

}  // namespace

std::uint32_t module_file::Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
    static const std::array<std::uint32_t, 256> kTable = MakeCrcTable();
    crc = ~crc;
    for (const std::uint8_t b : bytes) crc = kTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::optional<std::uint8_t> TModuleIndex::Export(std::string_view name) const {
    for (const auto& [exportName, value] : Exports)
        if (exportName == name) return value;
    return std::nullopt;
}

const TModuleResource* TModuleIndex::Resource(std::string_view name, std::uint32_t type) const {
    for (const TModuleResource& r : Resources)
        if (r.Type == type && r.Name == name) return &r;
    return nullptr;
}

std::uint64_t ModuleIndexSize(std::span<const std::uint8_t> header) {
    if (header.size() < mf::header::kSize) return 0;
    if (!std::equal(mf::kMagic.begin(), mf::kMagic.end(), header.begin())) return 0;
    const std::uint32_t exports = mf::ReadU16(&header[mf::header::kExportCountOffset]);
    const std::uint32_t resources = mf::ReadU32(&header[mf::header::kResourceCountOffset]);
    if (exports > mf::kMaxExports || resources > mf::kMaxResources) return 0;
    return mf::IndexSize(exports, resources);
}

std::optional<TModuleIndex> ReadModuleIndex(std::span<const std::uint8_t> head, std::uint64_t fileSize,
                                            std::string& error) {
    if (fileSize > mf::kMaxFileSize) {
        error = "файл слишком велик (" + Bytes(fileSize) + ", допустимо до " + Bytes(mf::kMaxFileSize) + ")";
        return std::nullopt;
    }
    if (head.size() < mf::header::kSize) {
        error = "файл короче заголовка (" + Bytes(head.size()) + ")";
        return std::nullopt;
    }
    if (!std::equal(mf::kMagic.begin(), mf::kMagic.end(), head.begin())) {
        error = "это не файл данных Tunnex (неверная сигнатура)";
        return std::nullopt;
    }
    const std::uint16_t version = mf::ReadU16(&head[mf::header::kVersionOffset]);
    if (version != mf::kContainerVersion) {
        error = "версия формата " + std::to_string(version) + " не поддерживается (известна " +
                std::to_string(mf::kContainerVersion) + ")";
        return std::nullopt;
    }
    const std::uint32_t declaredSize = mf::ReadU32(&head[mf::header::kFileSizeOffset]);
    if (declaredSize != fileSize) {
        error = declaredSize > fileSize
                    ? "файл обрезан: " + Bytes(fileSize) + " из " + std::to_string(declaredSize)
                    : "размер файла " + Bytes(fileSize) + ", а в заголовке " + std::to_string(declaredSize);
        return std::nullopt;
    }
    const std::uint64_t indexSize = ModuleIndexSize(head);
    if (indexSize == 0) {
        error = "в оглавлении слишком много записей";
        return std::nullopt;
    }
    if (indexSize > fileSize || head.size() < indexSize) {
        error = "оглавление выходит за пределы файла";
        return std::nullopt;
    }
    const auto index = head.first(static_cast<std::size_t>(indexSize));
    if (IndexChecksum(index) != mf::ReadU32(&head[mf::header::kIndexChecksumOffset]) ||
        mf::ReadU32(&head[mf::header::kReservedOffset]) != 0) {
        error = "оглавление повреждено (контрольная сумма не совпадает)";
        return std::nullopt;
    }

    TModuleIndex result;
    result.FileSize = declaredSize;
    result.DataChecksum = mf::ReadU32(&head[mf::header::kDataChecksumOffset]);
    result.IndexSize = indexSize;
    const std::size_t exportCount = mf::ReadU16(&head[mf::header::kExportCountOffset]);
    const std::size_t resourceCount = mf::ReadU32(&head[mf::header::kResourceCountOffset]);
    std::size_t at = mf::header::kSize;
    for (std::size_t i = 0; i < exportCount; ++i, at += mf::export_record::kSize) {
        std::string name = ReadName(&index[at + mf::export_record::kNameOffset], mf::export_record::kNameSize);
        if (name.empty() || result.Export(name)) {
            error = "неверное или повторное имя в записи значения " + std::to_string(i + 1);
            return std::nullopt;
        }
        result.Exports.emplace_back(std::move(name), index[at + mf::export_record::kValueOffset]);
    }
    for (std::size_t i = 0; i < resourceCount; ++i, at += mf::resource_record::kSize) {
        TModuleResource r;
        r.Name = ReadName(&index[at + mf::resource_record::kNameOffset], mf::resource_record::kNameSize);
        r.Type = mf::ReadU32(&index[at + mf::resource_record::kTypeOffset]);
        r.Offset = mf::ReadU32(&index[at + mf::resource_record::kOffsetOffset]);
        r.Size = mf::ReadU32(&index[at + mf::resource_record::kSizeOffset]);
        const std::string which = "ресурс " + std::to_string(i + 1) + (r.Name.empty() ? "" : " (" + r.Name + ")");
        if (r.Name.empty() || result.Resource(r.Name, r.Type) != nullptr) {
            error = which + ": неверное или повторное имя";
            return std::nullopt;
        }
        if (r.Type != kResourceTypeBitmap && r.Type != kResourceTypeRcData) {
            error = which + ": неизвестный тип " + std::to_string(r.Type);
            return std::nullopt;
        }
        if (r.Offset < indexSize || std::uint64_t{r.Offset} + r.Size > fileSize) {
            error = which + " выходит за пределы файла";
            return std::nullopt;
        }
        result.Resources.push_back(std::move(r));
    }
    return result;
}

std::optional<TModuleIndex> ReadModuleFile(std::span<const std::uint8_t> file, std::string& error) {
    auto index = ReadModuleIndex(file, file.size(), error);
    if (!index) return std::nullopt;
    if (mf::Crc32(file.subspan(static_cast<std::size_t>(index->IndexSize))) != index->DataChecksum) {
        error = "данные повреждены (контрольная сумма не совпадает)";
        return std::nullopt;
    }
    return index;
}

std::vector<std::uint8_t> WriteModuleFile(const TModuleContents& contents) {
    const std::uint64_t indexSize = mf::IndexSize(contents.Exports.size(), contents.Resources.size());
    std::uint64_t size = indexSize;
    std::vector<std::uint32_t> offsets;
    for (const auto& r : contents.Resources) {
        size = (size + mf::kResourceAlignment - 1) / mf::kResourceAlignment * mf::kResourceAlignment;
        offsets.push_back(static_cast<std::uint32_t>(size));
        size += r.Bytes.size();
    }
    std::vector<std::uint8_t> out(static_cast<std::size_t>(size), 0);
    std::copy(mf::kMagic.begin(), mf::kMagic.end(), out.begin());
    WriteU16(out, mf::header::kVersionOffset, mf::kContainerVersion);
    WriteU16(out, mf::header::kExportCountOffset, static_cast<std::uint16_t>(contents.Exports.size()));
    WriteU32(out, mf::header::kResourceCountOffset, static_cast<std::uint32_t>(contents.Resources.size()));
    WriteU32(out, mf::header::kFileSizeOffset, static_cast<std::uint32_t>(size));

    std::size_t at = mf::header::kSize;
    for (const auto& [name, value] : contents.Exports) {
        WriteName(out, at + mf::export_record::kNameOffset, name, mf::export_record::kNameSize);
        out[at + mf::export_record::kValueOffset] = value;
        at += mf::export_record::kSize;
    }
    for (std::size_t i = 0; i < contents.Resources.size(); ++i) {
        const auto& r = contents.Resources[i];
        WriteName(out, at + mf::resource_record::kNameOffset, r.Name, mf::resource_record::kNameSize);
        WriteU32(out, at + mf::resource_record::kTypeOffset, r.Type);
        WriteU32(out, at + mf::resource_record::kOffsetOffset, offsets[i]);
        WriteU32(out, at + mf::resource_record::kSizeOffset, static_cast<std::uint32_t>(r.Bytes.size()));
        std::copy(r.Bytes.begin(), r.Bytes.end(), out.begin() + offsets[i]);
        at += mf::resource_record::kSize;
    }
    SetModuleChecksums(out);
    return out;
}

void SetModuleChecksums(std::span<std::uint8_t> file) {
    const std::uint64_t indexSize = ModuleIndexSize(file);
    if (indexSize == 0 || indexSize > file.size()) return;
    const auto split = static_cast<std::size_t>(indexSize);
    const std::uint32_t data = mf::Crc32(file.subspan(split));
    const std::uint32_t index = IndexChecksum(file.first(split));
    for (int i = 0; i < 4; ++i) {
        file[mf::header::kDataChecksumOffset + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(data >> (8 * i));
        file[mf::header::kIndexChecksumOffset + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(index >> (8 * i));
    }
}

}  // namespace tnx
