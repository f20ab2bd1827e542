#include "shell/city_pictures.h"

#include "model/city_format.h"
#include "model/city_resources.h"

namespace tnx {
namespace {

std::optional<TDibImage> ReadBitmap(const CityModule& module, const std::string& name, std::string& error) {
    const auto bytes = module.FindResource(name, kResourceTypeBitmap);
    if (!bytes) {
        error = "нет картинки " + name;
        return std::nullopt;
    }
    std::string reason;
    auto image = DecodeDib(*bytes, reason);
    if (!image) error = "картинка " + name + ": " + reason;
    return image;
}

}  // namespace

bool ReadCityPictures(const CityModule& module, TCityPictures& pictures, std::string& error) {
    TCityPictures read;
    const std::pair<const char*, TDibImage*> names[] = {
        {resource::kMap, &read.Map},       {resource::kFlag1, &read.Flag1},   {resource::kFlag2, &read.Flag2},
        {resource::kFlag1A, &read.Flag1A}, {resource::kFlag2A, &read.Flag2A}, {resource::kCircle, &read.Circle},
    };
    for (const auto& [name, target] : names) {
        auto image = ReadBitmap(module, name, error);
        if (!image) return false;
        *target = std::move(*image);
    }
    pictures = std::move(read);
    return true;
}

std::optional<TDibImage> ReadLineIcon(const CityModule& module, int line) {
    std::string ignored;
    return ReadBitmap(module, resource::LineIcon(line), ignored);
}

}  // namespace tnx
