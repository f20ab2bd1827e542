// What a city's generated data file gives the module: its eight constants and
// its resource directory. Every city module is this one source plus such a file.
#pragma once

#include "model/module_abi.h"

namespace tnx::module {

struct CityConstants {
    unsigned char FileVersion;
    unsigned char CityCode;
    unsigned char CityVersion;
    unsigned char NumOfStations;
    unsigned char NumOfLines;
    unsigned char DefFirstStation;
    unsigned char MaxChanges;
    unsigned char IsNTime;
};

extern const CityConstants kCity;
extern const TnxResourceDirectory kResourceDirectory;

}  // namespace tnx::module
