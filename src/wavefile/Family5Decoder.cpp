// Family 5 (the chunked family): the waveform-data chunk holds a chain of
// blocks, each a run of frames of one data set. A frame is laid out by its
// set's frame description; frames of index 1 may stand for several points at
// the finer rate of index 0 and may be shifted on the point axis.
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <vector>

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
// Points of the range that spread frames may fill, in passes over the range:
// four sets once each, and as much again for blocks that overlap a little.
constexpr std::int64_t kMaxFillPasses = 8;

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
    if (span.hi - span.lo == 1) {
        if (static_cast<std::size_t>(span.lo) < size)
            values[span.lo] = value;
        return;
    }
    const std::int64_t hi = std::min<std::int64_t>(span.hi, static_cast<std::int64_t>(size));
    for (std::int64_t i = span.lo; i < hi; ++i)
        values[i] = value;
}

// One frame description turned into what a frame's bytes become: each step
// takes the 16-bit word at `source` of the frame. Steps keep the entries'
// order, since several entries may write the same logic word.
class FrameSteps {
public:
    FrameSteps(const ChunkFrameSet& set, ChannelTables& tables)
    {
        using namespace chunk;
        const Destination<std::uint32_t> logic = DestinationOf(tables.logicGroups.groups[0]);
        auto analog = [&](int slot, bool secondary, std::uint32_t source) {
            if (slot >= kAnalogSlots)
                return;
            const auto d = DestinationOf(tables.analog[static_cast<std::size_t>(slot)]);
            if (std::uint16_t* values = secondary ? d.secondary : d.primary; values && d.size > 0)
                steps_.push_back({ Kind::Analog, source, values, nullptr, nullptr, d.size });
        };
        auto word = [&](bool secondary, std::uint32_t source) {
            if (std::uint32_t* values = secondary ? logic.secondary : logic.primary; values && logic.size > 0)
                steps_.push_back({ Kind::Logic, source, nullptr, values, nullptr, logic.size });
        };
        for (const ChunkChannelEntry& e : set.entries) {
            const std::uint32_t p = e.position;
            const int slot = e.unit * kChannelsPerUnit + e.channel;
            switch (e.type) {
            case kAnalog:
            case kAnalogPrimary:
                analog(slot, false, p);
                break;
            case kAnalogSecondary:
                analog(slot, true, p);
                break;
            case kAnalogPair:
                analog(slot, false, p);
                analog(slot, true, p + set.secondaryDistance);
                break;
            case kLogic:
            case kLogicPrimary:
                word(false, p);
                break;
            case kLogicSecondary:
                word(true, p);
                break;
            case kLogicPair:
                steps_.push_back({ Kind::Pair, p, nullptr, logic.size > 0 ? logic.primary : nullptr,
                    logic.size > 0 ? logic.secondary : nullptr, logic.size });
                carries_ = true;
                break;
            case kAnalogRun:
            case kAnalogRunPrimary:
            case kAnalogRunSecondary:
            case kAnalogRunPair:
                for (int k = 0; k < kRunLength; ++k) {
                    const auto at = p + static_cast<std::uint32_t>(2 * k);
                    if (e.type == kAnalogRunSecondary) {
                        analog(slot + k, true, at);
                    } else {
                        analog(slot + k, false, at);
                        if (e.type == kAnalogRunPair)
                            analog(slot + k, true, at + static_cast<std::uint32_t>(kRunSecondaryDistance));
                    }
                }
                break;
            case kCalc:
            case kCalcAlt:
                analog(kCalcFirstSlot + e.unit, false, p);
                break;
            default:
                break;
            }
        }
    }

    // Frames [k0, k1) of a run starting at frame0, each one point: frame k
    // goes to index k + shift. No step may be a logic pair.
    void Frames(
        const std::uint8_t* frame0, std::uint64_t frameSize, std::int64_t k0, std::int64_t k1, std::int64_t shift) const
    {
        for (const Step& s : steps_) {
            const std::int64_t end = std::min(k1, static_cast<std::int64_t>(s.size) - shift);
            const std::uint8_t* src = frame0 + s.source;
            if (s.kind == Kind::Analog) {
                for (std::int64_t k = k0; k < end; ++k)
                    s.analog[k + shift] = LoadLE16(src + static_cast<std::uint64_t>(k) * frameSize);
            } else {
                for (std::int64_t k = k0; k < end; ++k)
                    s.logic[k + shift] = LoadLE16(src + static_cast<std::uint64_t>(k) * frameSize);
            }
        }
    }

    // Frames outside the range matter only for the carried logic word.
    bool CarriesLogicPair() const { return carries_; }

    // Stores one frame's values at `span` (none: outside the range). A logic
    // pair's primary word is the one carried from the previous pair entry;
    // the next carried word takes the sign of the pair's value in its high
    // half and the 16 bits after the value in its low half.
    void Frame(const std::uint8_t* frame, const IndexSpan* span, std::uint32_t& carry) const
    {
        for (const Step& s : steps_) {
            const std::uint16_t value = LoadLE16(frame + s.source);
            switch (s.kind) {
            case Kind::Analog:
                if (span)
                    Fill(s.analog, s.size, *span, value);
                break;
            case Kind::Logic:
                if (span)
                    Fill(s.logic, s.size, *span, std::uint32_t { value });
                break;
            case Kind::Pair:
                if (span && s.logic)
                    Fill(s.logic, s.size, *span, carry);
                if (span && s.logic2)
                    Fill(s.logic2, s.size, *span, std::uint32_t { value });
                carry = ((value & 0x8000u) ? 0xFFFF0000u : 0u) | LoadLE16(frame + s.source + 2);
                break;
            }
        }
    }

private:
    enum class Kind { Analog, Logic, Pair };
    struct Step {
        Kind kind;
        std::uint32_t source;
        std::uint16_t* analog;
        std::uint32_t* logic; // logic word, or a pair's primary word
        std::uint32_t* logic2; // a pair's secondary word
        std::size_t size;
    };
    std::vector<Step> steps_;
    bool carries_ = false;
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
    std::vector<FrameSteps> steps;
    for (const ChunkFrameSet& set : layout.sets)
        steps.emplace_back(set, request.tables);
    ProgressTicker ticker(request, kPointsPerStep);
    ConsumedBytes consumed(request);
    std::uint32_t carry = 0;
    // A frame of the coarser set fills many points, so blocks that cover the
    // same points again and again would cost blocks x points. A recording
    // fills each point of each set once; a chain that fills far more than
    // that is refused before it costs more than a few passes over the range.
    const std::int64_t fillBudget = SatAdd(kMaxFillPasses * std::min(end - first, kFar / kMaxFillPasses), 1 << 20);
    std::int64_t filled = 0;
    // Blocks of a set follow each other in point order, so when the chain is
    // cut the points before the one every set has reached are still whole:
    // a range that ends there was read completely.
    std::vector<std::int64_t> reached(layout.sets.size(), 0);
    const auto cutShort = [&](std::uint64_t offset, std::uint64_t needed) {
        std::int64_t whole = kFar;
        for (std::size_t g = 0; g < layout.sets.size(); ++g)
            if (layout.sets[g].present && layout.sets[g].frameSize > 0)
                whole = std::min(whole, reached[g]);
        return whole >= end ? Completed() : ShortFileAt(offset, needed, file.size());
    };

    for (std::uint64_t block = *dataChunk + chunk::kHeaderSize;;) {
        if (!file.fits(block, chunk::kHeaderSize))
            return cutShort(block, chunk::kHeaderSize);
        if (!TagAt(file, block, chunk::kBlockTag))
            break;
        const std::uint64_t param = block + chunk::kHeaderSize;
        if (!file.fits(param, chunk::kHeaderSize))
            return cutShort(param, chunk::kHeaderSize);
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
            const FrameSteps& frameSteps = steps[static_cast<std::size_t>(g)];
            const bool inRange = PointOf(startPoint + frames, repetition, offset) > first
                && PointOf(startPoint, repetition, offset) < end;
            if (inRange && repetition == 1 && !frameSteps.CarriesLogicPair()) {
                // One point a frame and nothing carried: channel after channel
                // over a run of frames that stays in cache.
                const std::int64_t shift = SatAdd(startPoint, offset) - first; // index of frame 0
                for (std::int64_t k0 = 0; k0 < available; k0 += kPointsPerStep) {
                    const std::int64_t k1 = std::min(available, k0 + kPointsPerStep);
                    frameSteps.Frames(
                        frame0, frameSize, std::max(k0, -shift), std::min(k1, end - first - shift), shift);
                    if (!ticker.advance(k1 - k0))
                        return CancelledByUser();
                }
            } else if (inRange) {
                for (std::int64_t k = 0; k < available; ++k) {
                    const std::int64_t base = PointOf(startPoint + k, repetition, offset);
                    const std::int64_t lo = std::max(base, first);
                    const std::int64_t hi = std::min(SatAdd(base, std::min(repetition, kFar)), end);
                    const IndexSpan span { lo - first, hi - first };
                    if (lo < hi && (filled += hi - lo) > fillBudget)
                        return RefusedBecause("blocks of set " + std::to_string(g) + " fill more than "
                            + std::to_string(kMaxFillPasses) + " times the points of the range");
                    if (lo < hi || frameSteps.CarriesLogicPair())
                        frameSteps.Frame(
                            frame0 + static_cast<std::uint64_t>(k) * frameSize, lo < hi ? &span : nullptr, carry);
                    if (!ticker.advance())
                        return CancelledByUser();
                }
            } else {
                // Only the carried logic word depends on frames outside the
                // range, and only through the last one.
                if (frameSteps.CarriesLogicPair() && available > 0)
                    frameSteps.Frame(frame0 + static_cast<std::uint64_t>(available - 1) * frameSize, nullptr, carry);
                if (!ticker.advance(available))
                    return CancelledByUser();
            }
            reached[static_cast<std::size_t>(g)]
                = std::max(reached[static_cast<std::size_t>(g)], PointOf(startPoint + available, repetition, offset));
            if (available < frames)
                return cutShort(dataStart + static_cast<std::uint64_t>(available) * frameSize, frameSize);
        }
        consumed.reached(block);
        block += size;
    }
    return done;
}

} // namespace kp
