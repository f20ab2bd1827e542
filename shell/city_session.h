// Opening the city to show: the chosen module, else the first listed one.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/city_loader.h"
#include "shell/city_module.h"
#include "shell/city_pictures.h"

namespace tnx {

struct TCityLoad {
    std::unique_ptr<CityModule> Module;  // stays open: the line icons are read on demand
    TLoadedCity Loaded;
    TCityPictures Pictures;
    std::string FileName;  // bare name of the module actually opened
};

// Opens folder/fileName with its tables and pictures. Only a bare file name is
// accepted, so a stored name can never reach outside the program's folder.
bool OpenCity(const std::filesystem::path& folder, const std::string& fileName, const TCity& previous, TCityLoad& load,
              std::string& reason);

std::string CityConnectFailedMessage(const std::string& fileName);
std::string NoWorkingCityMessage(const std::string& fileName);

enum class TCityOpenResult { Opened, OpenedFirstListed, Failed };

// Opens fileName; when that fails, reports CityConnectFailedMessage and opens the
// first listed file that opens (trying the first listed even when it is the file that
// failed); when none does, reports NoWorkingCityMessage naming the first listed file.
// load is filled only on success. reasons receives the technical cause of each failure.
TCityOpenResult OpenCityOrFirstListed(const std::filesystem::path& folder, const std::string& fileName,
                                      const std::vector<std::string>& listed, const TCity& previous, TCityLoad& load,
                                      const std::function<void(const std::string&)>& errorBox,
                                      const std::function<void(const std::string&)>& reasons = {});

}  // namespace tnx
