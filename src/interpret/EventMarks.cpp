#include "interpret/EventMarks.h"

#include "interpret/HeaderFields.h"
#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ChunkInfoArea.h"

#include <algorithm>

namespace kp {

namespace {

constexpr int kEventMarkSlots = 26;

void AppendTextRecord(EventMarkList& list, const HeaderRecord* record)
{
    if (record == nullptr)
        return;
    const long long stored = fields::Integer(record, eventmark::kCountField).value_or(0);
    const int count = static_cast<int>(std::clamp<long long>(stored, 0, eventmark::kPositionsPerRecord));
    for (int i = 0; i < count && list.Count() < eventmark::kMaxEvents; ++i)
        list.positions.push_back(fields::Integer(record, eventmark::kFirstPositionField + i).value_or(-1));
}

void AppendChunk(EventMarkList& list, const CWaveHeadInfo& head)
{
    const auto info = head.Retrieve5595ChunkInfo(chunk::kEventTag, 0, 0);
    if (!info)
        return;
    const ByteReader params(SubChunkParameters(*info), ByteOrder::Little);
    if (!params.fits(chunk::kEventCount, 4))
        return;
    const std::uint64_t count = std::min<std::uint64_t>(params.u32(chunk::kEventCount), eventmark::kMaxEvents);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t at = chunk::kEventPositions + i * chunk::kEventPositionSize;
        if (!params.fits(at, chunk::kEventPositionSize))
            break;
        list.positions.push_back(params.i64(at));
    }
}

} // namespace

EventMarkList ReadEventMarks(const CWaveHeadInfo& head)
{
    EventMarkList list;
    switch (head.GetHeaderFamily()) {
    case HeaderFamily::Family4:
    case HeaderFamily::Family9:
        break;
    case HeaderFamily::Family5:
        AppendChunk(list, head);
        break;
    case HeaderFamily::Family8:
        for (const HeaderRecord* record : head.RecordsTagged("HE-QX3013"))
            AppendTextRecord(list, record);
        break;
    default:
        for (int slot = 0; slot < kEventMarkSlots; ++slot)
            AppendTextRecord(list, head.EventMarkHeader(slot));
        for (const HeaderRecord* record : head.RecordsTagged("HE3019"))
            AppendTextRecord(list, record);
        break;
    }
    return list;
}

} // namespace kp
