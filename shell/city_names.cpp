#include "shell/city_names.h"

namespace tnx {

std::string CityName(std::uint8_t cityCode) {
    static const char* const kNames[kMaxCityCode - kMinCityCode + 1] = {
        "Москва",
        "Санкт-Петербург",
        "Киев",
        "Ха\x70ьков",
        "Минск",
        "Ташкент",
        "Тбилиси",
        "Баку",
        "\x48овосиби\x70ск",
        "Е\x70еван",
        "\x48ижний \x48овго\x70од",
        "Екате\x70инбу\x70г",
        "Сама\x70а",
        "Дне\x70\x70опет\x70овск",
    };
    if (!IsCityCode(cityCode)) return {};
    return kNames[cityCode - 1];
}

}  // namespace tnx
