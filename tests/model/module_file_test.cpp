// The module file container: what the writer puts down is read back exactly, and each
// kind of damage is refused with its own reason.
#include <gtest/gtest.h>

#include <functional>

#include "model/city_format.h"
#include "model/module_file.h"
#include "model/module_format.h"

namespace tnx {
namespace {

namespace mf = module_file;

TModuleContents Sample() {
    TModuleContents c;
    c.Exports = {{"CityCode", 4}, {"DefFirstStation", 8}, {"IsNTime", 1}};
    c.Resources = {{"STATIONS", kResourceTypeRcData, {1, 2, 3}},
                   {"INFO", kResourceTypeRcData, {'A', 0}},
                   {"MAP", kResourceTypeBitmap, std::vector<std::uint8_t>(301, 7)},
                   {"L1", kResourceTypeBitmap, {}}};
    return c;
}

void PutU32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::size_t ResourceRecord(std::size_t exports, std::size_t i) {
    return mf::header::kSize + exports * mf::export_record::kSize + i * mf::resource_record::kSize;
}

TEST(ModuleFile, ReadsBackWhatWasWrittenAlignedAndReproducibly) {
    const TModuleContents contents = Sample();
    const std::vector<std::uint8_t> file = WriteModuleFile(contents);
    EXPECT_EQ(file, WriteModuleFile(contents));
    EXPECT_TRUE(std::equal(mf::kMagic.begin(), mf::kMagic.end(), file.begin()));

    std::string error;
    const auto index = ReadModuleFile(file, error);
    ASSERT_TRUE(index) << error;
    EXPECT_EQ(index->Exports, contents.Exports);
    EXPECT_EQ(index->Export("DefFirstStation"), 8);
    EXPECT_FALSE(index->Export("NumOfLines")) << "an absent value stays absent";
    ASSERT_EQ(index->Resources.size(), contents.Resources.size());
    for (std::size_t i = 0; i < contents.Resources.size(); ++i) {
        const TModuleResource& r = index->Resources[i];
        EXPECT_EQ(r.Name, contents.Resources[i].Name);
        EXPECT_EQ(r.Offset % mf::kResourceAlignment, 0u);
        EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + r.Offset, file.begin() + r.Offset + r.Size),
                  contents.Resources[i].Bytes);
    }
    EXPECT_EQ(index->Resource("MAP", kResourceTypeRcData), nullptr) << "found by name and type";

    // The catalog's look at the first bytes gives the same values.
    const std::vector<std::uint8_t> head(file.begin(),
                                         file.begin() + static_cast<std::ptrdiff_t>(ModuleIndexSize(file)));
    const auto peeked = ReadModuleIndex(head, file.size(), error);
    ASSERT_TRUE(peeked) << error;
    EXPECT_EQ(peeked->Exports, contents.Exports);
}

TEST(ModuleFile, EachDamageIsRefusedWithItsReason) {
    using Damage = std::function<void(std::vector<std::uint8_t>&)>;
    const std::size_t exports = Sample().Exports.size();
    const auto withChecksums = [](Damage d) {
        return [d](std::vector<std::uint8_t>& f) {
            d(f);
            SetModuleChecksums(f);
        };
    };
    const struct {
        const char* what;
        Damage damage;
        const char* reason;
    } cases[] = {
        {"empty", [](auto& f) { f.clear(); }, "файл короче заголовка (0 байт)"},
        {"not a module",
         [](auto& f) {
             f[0] = 'M';
             f[1] = 'Z';
         },
         "это не файл данных Tunnex (неверная сигнатура)"},
        {"newer container", [](auto& f) { f[mf::header::kVersionOffset] = 2; },
         "версия формата 2 не поддерживается (известна 1)"},
        {"cut short", [](auto& f) { f.pop_back(); }, "файл обрезан: "},
        {"bytes appended", [](auto& f) { f.push_back(0); }, "размер файла "},
        {"an export changed", [](auto& f) { ++f[mf::header::kSize + mf::export_record::kValueOffset]; },
         "оглавление повреждено (контрольная сумма не совпадает)"},
        {"a picture changed", [](auto& f) { ++f[f.size() - 1]; }, "данные повреждены (контрольная сумма не совпадает)"},
        {"counts out of range", withChecksums([](auto& f) { PutU32(f, mf::header::kResourceCountOffset, 100000); }),
         "в оглавлении слишком много записей"},
        {"a resource past the end", withChecksums([&](auto& f) {
             PutU32(f, ResourceRecord(exports, 2) + mf::resource_record::kSizeOffset,
                    static_cast<std::uint32_t>(f.size()));
         }),
         "ресурс 3 (MAP) выходит за пределы файла"},
        {"a resource inside the index",
         withChecksums([&](auto& f) { PutU32(f, ResourceRecord(exports, 0) + mf::resource_record::kOffsetOffset, 4); }),
         "ресурс 1 (STATIONS) выходит за пределы файла"},
        {"an unknown type",
         withChecksums([&](auto& f) { PutU32(f, ResourceRecord(exports, 1) + mf::resource_record::kTypeOffset, 3); }),
         "ресурс 2 (INFO): неизвестный тип 3"},
        {"a name that is no name", withChecksums([](auto& f) { f[mf::header::kSize + 2] = 0x01; }),
         "неверное или повторное имя в записи значения 1"},
        {"a repeated resource", withChecksums([&](auto& f) {
             const std::size_t at = ResourceRecord(exports, 3);
             f[at] = 'M';
             f[at + 1] = 'A';
             f[at + 2] = 'P';
         }),
         "ресурс 4 (MAP): неверное или повторное имя"},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> file = WriteModuleFile(Sample());
        c.damage(file);
        std::string error;
        EXPECT_FALSE(ReadModuleFile(file, error)) << c.what;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

}  // namespace
}  // namespace tnx
