#include "city/draw/atomic_files.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tnx::city::draw {
namespace {

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AtomicFiles, WritesAllFilesAndReplacesOldOnes) {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    WriteFilesAtomically(folder, {{"A.dib", {1, 2, 3}}, {"B.dib", {4}}});
    WriteFilesAtomically(folder, {{"A.dib", {9}}});
    EXPECT_EQ(ReadAll(folder / "A.dib"), (std::vector<std::uint8_t>{9}));
    EXPECT_EQ(ReadAll(folder / "B.dib"), (std::vector<std::uint8_t>{4}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 2);
}

TEST(AtomicFiles, FailureLeavesNoTemporariesOrLaterFiles) {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    // The second file's target is a folder, so it cannot be replaced.
    std::filesystem::create_directories(folder / "B.dib" / "inside");
    EXPECT_THROW(WriteFilesAtomically(folder, {{"A.dib", {1}}, {"B.dib", {2}}, {"C.dib", {3}}}), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(folder / "C.dib"));
    EXPECT_FALSE(std::filesystem::exists(folder / "A.dib.tmp"));
    EXPECT_FALSE(std::filesystem::exists(folder / "C.dib.tmp"));

    EXPECT_THROW(WriteFilesAtomically(folder / "missing", {{"A.dib", {1}}}), std::runtime_error);
}

}  // namespace
}  // namespace tnx::city::draw
