// The exports of a city module. A module holds no state and runs nothing when
// it is loaded: each export hands out one constant of the city it was built for.
#include "city/module/city_data.h"

TNX_MODULE_EXPORT unsigned char FileVersion(void) { return tnx::module::kCity.FileVersion; }
TNX_MODULE_EXPORT unsigned char CityCode(void) { return tnx::module::kCity.CityCode; }
TNX_MODULE_EXPORT unsigned char CityVersion(void) { return tnx::module::kCity.CityVersion; }
TNX_MODULE_EXPORT unsigned char NumOfStations(void) { return tnx::module::kCity.NumOfStations; }
TNX_MODULE_EXPORT unsigned char NumOfLines(void) { return tnx::module::kCity.NumOfLines; }
TNX_MODULE_EXPORT unsigned char DefFirstStation(void) { return tnx::module::kCity.DefFirstStation; }
TNX_MODULE_EXPORT unsigned char MaxChanges(void) { return tnx::module::kCity.MaxChanges; }
TNX_MODULE_EXPORT unsigned char IsNTime(void) { return tnx::module::kCity.IsNTime; }

TNX_MODULE_EXPORT const TnxResourceDirectory* TnxResources(void) {
    return &tnx::module::kResourceDirectory;
}
