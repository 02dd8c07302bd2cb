// A mapped file that shrinks or fails under its reader: every byte stays
// readable, the bytes the file no longer has read as zeros, and the mapping
// says it is no longer the file it was, and how much of it still is.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/MappedFile.h"
#include "wavefile/IndexTestFiles.h"

namespace kp::test {
namespace {

using kp::testing::TempFolder;
using kp::testing::WriteBytes;

constexpr std::uint64_t kSize = 64 * 1024 + 123;

std::vector<std::uint8_t> Pattern()
{
    std::vector<std::uint8_t> bytes(kSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 251 + 1);
    return bytes;
}

// Every byte of the mapping, read after the change: the original up to
// `kept`, zeros after it.
void ExpectReadsAs(const MappedFile& file, const std::vector<std::uint8_t>& original, std::uint64_t kept)
{
    const auto bytes = file.bytes();
    ASSERT_EQ(bytes.size(), original.size());
    std::uint64_t wrong = 0;
    for (std::uint64_t i = 0; i < bytes.size(); ++i)
        wrong += bytes[i] != (i < kept ? original[i] : 0) ? 1 : 0;
    EXPECT_EQ(wrong, 0u);
}

TEST(MappedFileChange, ShortenedFileReadsAsZerosBeyondItsNewEnd)
{
#if defined(_WIN32)
    GTEST_SKIP() << "Windows refuses to shorten or rewrite a mapped file; the guard that turns a failed read of a "
                    "mapping into zeros is a POSIX one";
#endif
    TempFolder folder;
    const auto path = folder / "S.MEM";
    const auto original = Pattern();
    for (const std::uint64_t cut : { std::uint64_t { 0 }, std::uint64_t { 1 }, std::uint64_t { 4095 },
             std::uint64_t { 4096 }, std::uint64_t { 4097 }, kSize / 2, kSize - 1 }) {
        SCOPED_TRACE("cut to " + std::to_string(cut));
        WriteBytes(path, original);
        MappedFile file;
        ASSERT_TRUE(file.open(path));
        EXPECT_TRUE(file.unchanged());
        std::filesystem::resize_file(path, cut);
        ExpectReadsAs(file, original, cut);
        EXPECT_FALSE(file.unchanged());
        EXPECT_EQ(file.intactSize(), cut);
    }
}

TEST(MappedFileChange, ReadErrorInjectedThroughTheSeam)
{
#if defined(_WIN32)
    GTEST_SKIP() << "Windows refuses to shorten or rewrite a mapped file; the guard that turns a failed read of a "
                    "mapping into zeros is a POSIX one";
#endif
    TempFolder folder;
    const auto path = folder / "E.MEM";
    const auto original = Pattern();
    WriteBytes(path, original);
    MappedFile file;
    ASSERT_TRUE(file.open(path));
    file.injectReadError(3 * 4096 + 10);
    // The whole page of the failed read is gone.
    ExpectReadsAs(file, original, 3 * 4096);
    EXPECT_FALSE(file.unchanged());
    EXPECT_EQ(file.intactSize(), 3u * 4096u);
    // A second mapping of the same file is not touched by the first one's error.
    MappedFile second;
    ASSERT_TRUE(second.open(path));
    ExpectReadsAs(second, original, kSize);
    EXPECT_TRUE(second.unchanged());
}

} // namespace
} // namespace kp::test
