#include <windows.h>

#include "shell/platform/program_directory.h"

namespace tnx::platform {

std::filesystem::path ProgramDirectory() {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(std::wstring(buffer, length)).parent_path();
}

}  // namespace tnx::platform
