// The program's own version, compiled in from the build's project version.
#pragma once

#include <string>

namespace tnx {

// The four-part version string of this program, e.g. "2.20.3.9".
std::string GetFileVersionText();

struct TProgramVersion {
    std::string Version;  // "2.20.3"
    std::string Build;    // "9"
};

// Splits at the last dot, so a build number of several digits stays whole.
// A text without a dot is all version; an empty text gives two empty texts.
TProgramVersion SplitVersionText(const std::string& fileVersion);

}  // namespace tnx
