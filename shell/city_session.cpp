#include "shell/city_session.h"

namespace tnx {
namespace {

bool IsBareFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name.find(':') == std::string::npos;
}

}  // namespace

bool OpenCity(const std::filesystem::path& folder, const std::string& fileName, const TCity& previous, TCityLoad& load,
              std::string& reason) {
    if (!IsBareFileName(fileName)) {
        reason = "\"" + fileName + "\" не является именем файла в каталоге программы";
        return false;
    }
    TCityLoad opened;
    if (!LoadCityFile(folder / fileName, previous, opened.Loaded, opened.Module, reason)) return false;
    if (!ReadCityPictures(*opened.Module, opened.Pictures, reason)) {
        reason = "Файл данных " + fileName + " поврежден: " + reason;
        return false;
    }
    opened.FileName = fileName;
    load = std::move(opened);
    return true;
}

std::string CityConnectFailedMessage(const std::string& fileName) {
    return "Ошибка подключения файла данных " + fileName +
           ". Файл отсутствует либо поврежден.\r\n"
           "Укажите в настройках город, для которого существует рабочий файл данных.\r\n"
           "Для дальнейшей работы программы будет использован произвольный файл.";
}

std::string NoWorkingCityMessage(const std::string& fileName) {
    return "Ошибка подключения файла данных " + fileName +
           ". Файл поврежден.\r\n"
           "У вас нет ни одного рабочего файла данных. Дальнейшая работа программы не возможна.";
}

TCityOpenResult OpenCityOrFirstListed(const std::filesystem::path& folder, const std::string& fileName,
                                      const std::vector<std::string>& listed, const TCity& previous, TCityLoad& load,
                                      const std::function<void(const std::string&)>& errorBox,
                                      const std::function<void(const std::string&)>& reasons) {
    std::string reason;
    if (OpenCity(folder, fileName, previous, load, reason)) return TCityOpenResult::Opened;
    if (reasons) reasons(reason);
    errorBox(CityConnectFailedMessage(fileName));

    for (const std::string& file : listed) {
        if (OpenCity(folder, file, previous, load, reason)) return TCityOpenResult::OpenedFirstListed;
        if (reasons) reasons(reason);
    }
    errorBox(NoWorkingCityMessage(listed.empty() ? fileName : listed.front()));
    return TCityOpenResult::Failed;
}

}  // namespace tnx
