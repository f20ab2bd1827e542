#include "shell/program_version.h"

#ifndef TUNNEX_VERSION
#error "TUNNEX_VERSION must be defined by the build"
#endif

namespace tnx {

std::string GetFileVersionText() { return TUNNEX_VERSION; }

TProgramVersion SplitVersionText(const std::string& fileVersion) {
    const auto dot = fileVersion.rfind('.');
    if (dot == std::string::npos) return {fileVersion, {}};
    return {fileVersion.substr(0, dot), fileVersion.substr(dot + 1)};
}

}  // namespace tnx
