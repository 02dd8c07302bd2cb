// Family 5 (the chunked family): the waveform-data chunk holds a chain of
// blocks, each a run of frames of one data set. A frame is laid out by its
// set's frame description; frames of index 1 may stand for several points at
// the finer rate of index 0 and may be shifted on the point axis.
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ChunkFrameLayout.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/SampleLayout.h"

namespace kp {

namespace {

// Beyond any point a table can hold; saturated point arithmetic stops here.
constexpr std::int64_t kFar = std::numeric_limits<std::int64_t>::max() / 4;

std::int64_t SatAdd(std::int64_t a, std::int64_t b)
{
    const std::int64_t sum = a + b; // both within +-kFar: no overflow
    return std::clamp(sum, -kFar, kFar);
}

// First point of frame `frame` (counted from the start of the set's time
// axis) when each frame stands for `repetition` points.
std::int64_t PointOf(std::int64_t frame, std::int64_t repetition, std::int64_t offset)
{
    if (frame > kFar / repetition)
        return kFar;
    return SatAdd(frame * repetition, offset);
}

// Indices [lo, hi) of the range's arrays that one frame fills.
struct IndexSpan {
    std::int64_t lo = 0;
    std::int64_t hi = 0;
};

template <typename T> void Fill(T* values, std::size_t size, IndexSpan span, T value)
{
    if (values == nullptr)
        return;
    const std::int64_t hi = std::min<std::int64_t>(span.hi, static_cast<std::int64_t>(size));
    for (std::int64_t i = span.lo; i < hi; ++i)
        values[i] = value;
}

class FrameStore {
public:
    explicit FrameStore(ChannelTables& tables)
    {
        for (int i = 0; i < kAnalogSlots; ++i)
            analog_[static_cast<std::size_t>(i)] = DestinationOf(tables.analog[static_cast<std::size_t>(i)]);
        logic_ = DestinationOf(tables.logicGroups.groups[0]);
    }

    // Stores one frame's values at `span`; the carried logic word moves on
    // whether or not the frame lies in the range.
    void Frame(const ChunkFrameSet& set, const std::uint8_t* frame, const IndexSpan* span, std::uint32_t& carry) const
    {
        using namespace chunk;
        for (const ChunkChannelEntry& e : set.entries) {
            const std::uint8_t* p = frame + e.position;
            if (e.type == kLogicPair) {
                // The primary word is the one carried from the previous pair
                // entry; the next carried word takes the sign of this value in
                // its high half and the 16 bits after it in its low half.
                const std::uint16_t value = LoadLE16(p);
                if (span) {
                    Fill(logic_.primary, logic_.size, *span, carry);
                    Fill(logic_.secondary, logic_.size, *span, std::uint32_t { value });
                }
                carry = ((value & 0x8000u) ? 0xFFFF0000u : 0u) | LoadLE16(p + 2);
                continue;
            }
            if (!span)
                continue;
            const int slot = e.unit * kChannelsPerUnit + e.channel;
            switch (e.type) {
            case kAnalog:
            case kAnalogPrimary:
                Primary(slot, LoadLE16(p), *span);
                break;
            case kAnalogSecondary:
                Secondary(slot, LoadLE16(p), *span);
                break;
            case kAnalogPair:
                Primary(slot, LoadLE16(p), *span);
                Secondary(slot, LoadLE16(p + set.secondaryDistance), *span);
                break;
            case kLogic:
            case kLogicPrimary:
                Fill(logic_.primary, logic_.size, *span, std::uint32_t { LoadLE16(p) });
                break;
            case kLogicSecondary:
                Fill(logic_.secondary, logic_.size, *span, std::uint32_t { LoadLE16(p) });
                break;
            case kAnalogRun:
            case kAnalogRunPrimary:
                for (int k = 0; k < kRunLength; ++k)
                    Primary(slot + k, LoadLE16(p + 2 * k), *span);
                break;
            case kAnalogRunSecondary:
                for (int k = 0; k < kRunLength; ++k)
                    Secondary(slot + k, LoadLE16(p + 2 * k), *span);
                break;
            case kAnalogRunPair:
                for (int k = 0; k < kRunLength; ++k) {
                    Primary(slot + k, LoadLE16(p + 2 * k), *span);
                    Secondary(slot + k, LoadLE16(p + kRunSecondaryDistance + 2 * k), *span);
                }
                break;
            case kCalc:
            case kCalcAlt:
                Primary(kCalcFirstSlot + e.unit, LoadLE16(p), *span);
                break;
            default:
                break;
            }
        }
    }

private:
    void Primary(int slot, std::uint16_t value, IndexSpan span) const
    {
        if (slot < kAnalogSlots) {
            const auto& d = analog_[static_cast<std::size_t>(slot)];
            Fill(d.primary, d.size, span, value);
        }
    }
    void Secondary(int slot, std::uint16_t value, IndexSpan span) const
    {
        if (slot < kAnalogSlots) {
            const auto& d = analog_[static_cast<std::size_t>(slot)];
            Fill(d.secondary, d.size, span, value);
        }
    }

    std::array<Destination<std::uint16_t>, kAnalogSlots> analog_ {};
    Destination<std::uint32_t> logic_ {};
};

bool TagAt(const ByteReader& file, std::uint64_t offset, std::string_view tag)
{
    return std::memcmp(file.slice(offset, chunk::kTagSize).data(), tag.data(), chunk::kTagSize) == 0;
}

} // namespace

void DescribeFamily5(const CWaveHeadInfo&, SampleLayout& layout)
{
    // Saved channels are those the header records name (the common rule); the
    // frames reach logic units 0-7 through group 0 only.
    layout.progress = ProgressKind::PerPoint;
}

DecodeResult DecodeFamily5(const DecodeRequest& request)
{
    const CWaveHeadInfo& head = request.head;
    if (!head.GetChunkProblem().empty())
        return RefusedBecause(head.GetChunkProblem());
    const ChunkFrameLayout layout = ReadChunkFrameLayout(head);
    if (const std::string problem = layout.Problem(); !problem.empty())
        return RefusedBecause(problem);
    // Chunks the file does not reach: read what it holds, then say it is short.
    const std::string& truncation = head.GetChunkTruncation();
    const DecodeResult done = truncation.empty() ? Completed() : DecodeResult { DecodeStatus::ShortFile, truncation };
    const auto dataChunk = head.GetChunkDataOffset(0);
    if (!layout.AnySet() || !dataChunk)
        return done;

    const ByteReader file(request.file, ByteOrder::Little);
    if (!file.fits(*dataChunk, chunk::kHeaderSize))
        return ShortFileAt(*dataChunk, chunk::kHeaderSize, file.size());

    const std::int64_t first = request.firstPoint;
    const std::int64_t end = SatAdd(std::min(first, kFar), std::min(request.pointCount, kFar));
    const FrameStore store(request.tables);
    ProgressTicker ticker(request, kPointsPerStep);
    ConsumedBytes consumed(request);
    std::uint32_t carry = 0;

    for (std::uint64_t block = *dataChunk + chunk::kHeaderSize;;) {
        if (!file.fits(block, chunk::kHeaderSize))
            return ShortFileAt(block, chunk::kHeaderSize, file.size());
        if (!TagAt(file, block, chunk::kBlockTag))
            break;
        const std::uint64_t param = block + chunk::kHeaderSize;
        if (!file.fits(param, chunk::kHeaderSize))
            return ShortFileAt(param, chunk::kHeaderSize, file.size());
        if (!TagAt(file, param, chunk::kBlockParamTag))
            break;
        const int indexByte = file.u8(block + chunk::kIndexByte);
        const int subKind = file.u8(block + chunk::kSubKindByte);
        const std::uint64_t size = file.u32(block + chunk::kSize);
        const std::uint64_t dataOffset = file.u32(block + chunk::kDataOffset);
        const std::int64_t startPoint = file.u32(param + chunk::kBlockStartPoint);
        const std::int64_t frames = file.u32(param + chunk::kBlockPointCount);
        if (size < chunk::kBlockMinSize)
            return RefusedBecause("block at " + std::to_string(block) + " declares " + std::to_string(size)
                + " bytes, less than its own header");

        const int g = ChunkSetNumber(indexByte, subKind);
        const ChunkFrameSet* set = g >= 0 ? &layout.sets[static_cast<std::size_t>(g)] : nullptr;
        if (set && set->present && set->frameSize > 0) {
            const std::uint64_t frameSize = set->frameSize;
            const std::uint64_t runBytes = static_cast<std::uint64_t>(frames) * frameSize;
            if (dataOffset > size || runBytes > size - dataOffset)
                return RefusedBecause("block at " + std::to_string(block) + " holds " + std::to_string(frames)
                    + " frames of " + std::to_string(frameSize) + " bytes in " + std::to_string(size) + " bytes");
            const std::uint64_t dataStart = block + dataOffset;
            const std::int64_t available = file.fits(dataStart, runBytes)
                ? frames
                : (dataStart < file.size() ? static_cast<std::int64_t>((file.size() - dataStart) / frameSize) : 0);

            const std::int64_t repetition = indexByte == 1 ? layout.repetition1 : 1;
            const std::int64_t offset = indexByte == 1 ? layout.pointOffset1 : 0;
            const std::uint8_t* const frame0 = request.file.data() + dataStart;
            const bool inRange = PointOf(startPoint + frames, repetition, offset) > first
                && PointOf(startPoint, repetition, offset) < end;
            if (inRange) {
                for (std::int64_t k = 0; k < available; ++k) {
                    const std::int64_t base = PointOf(startPoint + k, repetition, offset);
                    const std::int64_t lo = std::max(base, first);
                    const std::int64_t hi = std::min(SatAdd(base, std::min(repetition, kFar)), end);
                    const IndexSpan span { lo - first, hi - first };
                    store.Frame(
                        *set, frame0 + static_cast<std::uint64_t>(k) * frameSize, lo < hi ? &span : nullptr, carry);
                    if (!ticker.advance())
                        return CancelledByUser();
                }
            } else {
                // Only the carried logic word depends on frames outside the
                // range, and only through the last one.
                if (set->carriesLogicPair && available > 0)
                    store.Frame(*set, frame0 + static_cast<std::uint64_t>(available - 1) * frameSize, nullptr, carry);
                if (!ticker.advance(available))
                    return CancelledByUser();
            }
            if (available < frames)
                return ShortFileAt(
                    dataStart + static_cast<std::uint64_t>(available) * frameSize, frameSize, file.size());
        }
        consumed.reached(block);
        block += size;
    }
    return done;
}

} // namespace kp
