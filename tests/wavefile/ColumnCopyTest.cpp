// The vector column copy against the one-value-at-a-time reference.
#include <gtest/gtest.h>

#include "support/SampleFixtures.h"
#include "wavefile/ByteReader.h"
#include "wavefile/ColumnCopy.h"

namespace kp::test {
namespace {

TEST(ColumnCopy, EqualsThePlainCopy)
{
    auto rng = SeededRandom(41);
    for (std::size_t columns : { 1u, 7u, 8u, 9u, 16u, 17u, 24u }) {
        for (std::size_t extra : { 0u, 1u, 6u }) {
            for (std::size_t frames : { 0u, 1u, 7u, 8u, 9u, 64u, 101u }) {
                const std::size_t frameBytes = 2 * columns + extra;
                std::vector<std::uint8_t> bytes(frameBytes * frames + 16);
                for (auto& b : bytes)
                    b = static_cast<std::uint8_t>(rng());
                const std::size_t offset = 3;
                std::vector<std::vector<std::uint16_t>> fast(
                    columns, std::vector<std::uint16_t>(offset + frames, 0xAAAA));
                auto plain = fast;
                std::vector<std::uint16_t*> fastOut, plainOut;
                for (std::size_t j = 0; j < columns; ++j) {
                    // Every fifth column is skipped; a group holding it takes the plain path.
                    const bool skip = j % 5 == 4;
                    fastOut.push_back(skip ? nullptr : fast[j].data());
                    plainOut.push_back(skip ? nullptr : plain[j].data());
                }
                CopyBigEndianColumns(bytes.data(), frameBytes, frames, fastOut, offset);
                CopyBigEndianColumnsPlain(bytes.data(), frameBytes, frames, plainOut, offset);
                ASSERT_EQ(fast, plain) << columns << " columns, " << frameBytes << "-byte frames, " << frames;
                if (frames > 0 && columns > 0) {
                    EXPECT_EQ(plain[0][offset], LoadBE16(bytes.data()));
                }
            }
        }
    }
}

} // namespace
} // namespace kp::test
