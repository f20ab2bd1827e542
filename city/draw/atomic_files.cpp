#include "city/draw/atomic_files.h"

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace tnx::city::draw {
namespace {

void RemoveQuietly(const std::vector<std::filesystem::path>& paths) {
    for (const auto& path : paths) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

}  // namespace

void WriteFilesAtomically(const std::filesystem::path& folder, const std::vector<OutputFile>& files) {
    std::vector<std::filesystem::path> temporaries;
    for (const OutputFile& file : files) {
        const std::filesystem::path temporary = folder / (file.name + ".tmp");
        temporaries.push_back(temporary);
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
        out.close();
        if (!out) {
            RemoveQuietly(temporaries);
            throw std::runtime_error("cannot write " + temporary.string());
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::error_code error;
        std::filesystem::rename(temporaries[i], folder / files[i].name, error);
        if (error) {
            RemoveQuietly(temporaries);
            throw std::runtime_error("cannot replace " + (folder / files[i].name).string() + ": " + error.message());
        }
    }
}

}  // namespace tnx::city::draw
