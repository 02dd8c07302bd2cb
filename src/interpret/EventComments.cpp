#include "interpret/EventComments.h"

#include "interpret/EventMarks.h"
#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ChunkInfoArea.h"
#include "wavefile/Utf16Text.h"

#include <algorithm>

namespace kp {

std::vector<std::string> ReadEventComments(const CWaveHeadInfo& head)
{
    std::vector<std::string> comments;
    if (head.GetHeaderFamily() != HeaderFamily::Family5)
        return comments;
    const auto info = head.Retrieve5595ChunkInfo(chunk::kEventInfoTag, 0, 0);
    if (!info)
        return comments;
    const std::span<const std::uint8_t> params = SubChunkParameters(*info);
    const ByteReader reader(params, ByteOrder::Little);
    if (!reader.fits(chunk::kEventInfoCount, 8))
        return comments;
    const std::uint32_t size = reader.u32(chunk::kEventInfoEntrySize);
    if (size < 2 || size > chunk::kEventInfoMaxEntrySize)
        return comments;
    const std::uint64_t count = std::min<std::uint64_t>(reader.u32(chunk::kEventInfoCount), eventmark::kMaxEvents);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t at = chunk::kEventInfoEntries + i * size;
        if (!reader.fits(at, size))
            break;
        comments.push_back(
            Utf16ToUtf8(params.subspan(static_cast<std::size_t>(at), size), ByteOrder::Little, size / 2, 3 * size));
    }
    return comments;
}

} // namespace kp
