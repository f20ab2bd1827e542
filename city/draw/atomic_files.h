// Writing a set of output files so that a failure leaves none half-written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tnx::city::draw {

struct OutputFile {
    std::string name;  // inside the target folder
    std::vector<std::uint8_t> bytes;
};

// Writes every file to a temporary beside its target and only then renames
// them all into place, replacing older versions. On a failure the
// temporaries are removed and std::runtime_error names the file.
void WriteFilesAtomically(const std::filesystem::path& folder, const std::vector<OutputFile>& files);

}  // namespace tnx::city::draw
