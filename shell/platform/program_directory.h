// Where the running program lies: city modules and help are looked for there only.
#pragma once

#include <filesystem>

namespace tnx::platform {

std::filesystem::path ProgramDirectory();

}  // namespace tnx::platform
