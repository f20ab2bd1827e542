#include "shell/city_choice.h"

#include <algorithm>
#include <cctype>

namespace tnx {
namespace {

// File names are compared as the catalog's file system would on Windows: ASCII
// letters without case. Other bytes must match exactly.
bool SameFileName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string ChooseCurrentCityFile(const std::vector<TCatalogEntry>& catalog,
                                  const std::optional<std::string>& storedCityFileName) {
    if (catalog.size() == 1) return catalog.front().FileName;
    if (storedCityFileName) return *storedCityFileName;
    return DefaultCityFile(catalog);
}

std::vector<std::string> CityFilesToTry(const std::vector<TCatalogEntry>& catalog, const std::string& chosen) {
    std::vector<std::string> files;
    if (!chosen.empty()) files.push_back(chosen);
    for (const auto& entry : catalog)
        if (std::find(files.begin(), files.end(), entry.FileName) == files.end()) files.push_back(entry.FileName);
    return files;
}

int CatalogIndex(const std::vector<TCatalogEntry>& catalog, const std::string& fileName) {
    for (std::size_t i = 0; i < catalog.size(); ++i)
        if (SameFileName(catalog[i].FileName, fileName)) return static_cast<int>(i);
    return -1;
}

}  // namespace tnx
