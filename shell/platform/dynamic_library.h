// The platform's dynamic library calls, behind one small interface.
#pragma once

#include <filesystem>
#include <string>

namespace tnx::platform {

// Opens the library at exactly this absolute path; nullptr and a reason on failure.
void* OpenLibrary(const std::filesystem::path& absolutePath, std::string& error);
void* FindSymbol(void* library, const char* name);
void CloseLibrary(void* library);

// The folder that holds the running program.
std::filesystem::path ProgramDirectory();

}  // namespace tnx::platform
