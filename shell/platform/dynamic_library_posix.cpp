#include <dlfcn.h>

#include <system_error>

#include "shell/platform/dynamic_library.h"

namespace tnx::platform {

void* OpenLibrary(const std::filesystem::path& absolutePath, std::string& error) {
    dlerror();
    // A path with a slash is never looked up on the search path.
    void* library = dlopen(absolutePath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : "unknown error";
    }
    return library;
}

void* FindSymbol(void* library, const char* name) { return dlsym(library, name); }

void CloseLibrary(void* library) { dlclose(library); }

std::filesystem::path ProgramDirectory() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path();
    return exe.parent_path();
}

}  // namespace tnx::platform
