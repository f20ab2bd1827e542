#include "city/pack/module_writer.h"

#include "model/city_format.h"
#include "model/city_resources.h"
#include "model/module_file.h"
#include "model/module_format.h"

namespace tnx::city {
namespace {

template <typename Table>
std::vector<std::uint8_t> BytesOf(const Table& table) {
    const auto* begin = reinterpret_cast<const std::uint8_t*>(&table);
    return {begin, begin + sizeof table};
}

}  // namespace

std::vector<std::uint8_t> WriteModuleBytes(const PackedCity& city, const std::vector<BitmapResource>& bitmaps) {
    const ModuleConstants& c = city.constants;
    const std::uint8_t values[] = {c.FileVersion, c.CityCode,        c.CityVersion, c.NumOfStations,
                                   c.NumOfLines,  c.DefFirstStation, c.MaxChanges,  c.IsNTime};
    static_assert(std::size(values) == module_file::kExportNames.size());

    TModuleContents contents;
    for (std::size_t i = 0; i < std::size(values); ++i)
        contents.Exports.emplace_back(module_file::kExportNames[i], values[i]);
    contents.Resources = {
        {resource::kStations, kResourceTypeRcData, BytesOf(city.stations)},
        {resource::kChanges, kResourceTypeRcData, BytesOf(city.changes)},
        {resource::kDayWait, kResourceTypeRcData, BytesOf(city.dayWait)},
        {resource::kEveningWait, kResourceTypeRcData, BytesOf(city.eveningWait)},
        {resource::kInfo, kResourceTypeRcData, {city.info.begin(), city.info.end()}},
    };
    for (const BitmapResource& bitmap : bitmaps)
        contents.Resources.push_back({bitmap.name, kResourceTypeBitmap, bitmap.bytes});
    return WriteModuleFile(contents);
}

}  // namespace tnx::city
