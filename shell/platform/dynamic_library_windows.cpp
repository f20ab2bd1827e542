#include <windows.h>

#include "shell/platform/dynamic_library.h"

namespace tnx::platform {

void* OpenLibrary(const std::filesystem::path& absolutePath, std::string& error) {
    // LOAD_WITH_ALTERED_SEARCH_PATH keeps the module's own dependencies beside it.
    HMODULE library = LoadLibraryExW(absolutePath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (library == nullptr) error = "LoadLibrary error " + std::to_string(GetLastError());
    return reinterpret_cast<void*>(library);
}

void* FindSymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) { FreeLibrary(static_cast<HMODULE>(library)); }

std::filesystem::path ProgramDirectory() {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(std::wstring(buffer, length)).parent_path();
}

}  // namespace tnx::platform
