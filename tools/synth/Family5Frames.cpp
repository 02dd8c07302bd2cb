// A Recording in the chunked family: each data set gets a frame description
// of the channels assigned to it, and its frames are split into blocks that
// alternate between the sets. Frames of index 1 stand for several points
// (the ratio of the two sampling periods) and may be shifted by the start
// values; the recording's codes must then be constant over each frame.
#include <algorithm>
#include <stdexcept>

#include "synth/Family5Writer.h"
#include "synth/FamilyWriter.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ChunkFrameLayout.h"

namespace kp::synth {

namespace {

const std::string kWhat = "family 5";

struct PlannedEntry {
    ChunkEntryBlueprint blueprint;
    std::vector<const AnalogBlueprint*> analog; // the slots it carries (runs: 8)
    std::uint32_t position = 0;
};

struct SetPlan {
    int number = 0;
    std::vector<PlannedEntry> entries;
    std::uint32_t secondaryDistance = 0;
    std::uint16_t frameSize = 0;
};

ChunkEntryBlueprint Entry(std::uint8_t type, std::uint8_t byteSize, int slot)
{
    return { type, byteSize, static_cast<std::uint8_t>(slot / chunk::kChannelsPerUnit),
        static_cast<std::uint8_t>(slot % chunk::kChannelsPerUnit) };
}

SetPlan PlanSet(int number, const std::vector<const AnalogBlueprint*>& analog, bool logic, bool pairs, bool runs)
{
    using namespace chunk;
    SetPlan plan;
    plan.number = number;
    for (std::size_t i = 0; i < analog.size();) {
        const int slot = analog[i]->slot;
        if (slot >= kCalcFirstSlot) {
            const int unit = slot - kCalcFirstSlot;
            if (pairs && std::any_of(analog[i]->secondary.begin(), analog[i]->secondary.end(), [](std::uint16_t v) {
                    return v != 0;
                }))
                throw std::invalid_argument(
                    kWhat + ": calculation slot " + std::to_string(slot) + " carries no secondary values");
            plan.entries.push_back({ { kCalc, 2, static_cast<std::uint8_t>(unit), 0 }, { analog[i] }, 0 });
            ++i;
            continue;
        }
        const bool run = runs && slot % kRunLength == 0 && i + kRunLength <= analog.size()
            && analog[i + kRunLength - 1]->slot == slot + kRunLength - 1 && slot + kRunLength <= kCalcFirstSlot;
        if (run) {
            std::vector<const AnalogBlueprint*> slots(analog.begin() + static_cast<std::ptrdiff_t>(i),
                analog.begin() + static_cast<std::ptrdiff_t>(i + kRunLength));
            if (pairs) {
                plan.entries.push_back({ Entry(kAnalogRunPrimary, 16, slot), slots, 0 });
                plan.entries.push_back({ Entry(kAnalogRunSecondary, 16, slot), slots, 0 });
            } else {
                plan.entries.push_back({ Entry(kAnalogRun, 16, slot), slots, 0 });
            }
            i += kRunLength;
            continue;
        }
        if (pairs && runs) {
            // Run entries are 16 bytes wide: a pair's secondary cannot lie one
            // secondary distance (2 bytes an entry) away, so it is stored on its own.
            plan.entries.push_back({ Entry(kAnalogPrimary, 2, slot), { analog[i] }, 0 });
            plan.entries.push_back({ Entry(kAnalogSecondary, 2, slot), { analog[i] }, 0 });
        } else {
            plan.entries.push_back({ Entry(pairs ? kAnalogPair : kAnalog, 2, slot), { analog[i] }, 0 });
        }
        ++i;
    }
    if (logic) {
        if (pairs) {
            plan.entries.push_back({ { kLogicPrimary, 2, 0, 0 }, {}, 0 });
            plan.entries.push_back({ { kLogicSecondary, 2, 0, 0 }, {}, 0 });
        } else {
            plan.entries.push_back({ { kLogic, 2, 0, 0 }, {}, 0 });
        }
    }
    plan.secondaryDistance = static_cast<std::uint32_t>(2 * plan.entries.size());
    std::vector<ChunkEntryBlueprint> blueprints;
    std::uint32_t position = 0;
    for (PlannedEntry& e : plan.entries) {
        e.position = position;
        position += ShapeOfChunkEntry(e.blueprint.type, e.blueprint.byteSize, plan.secondaryDistance).advance;
        blueprints.push_back(e.blueprint);
    }
    plan.frameSize = ChunkFrameBytes(blueprints);
    return plan;
}

void Put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

// The group-0 logic word of units 0-3 at point k.
std::uint32_t LogicWord(const std::vector<const LogicUnitBlueprint*>& units, std::size_t k, bool secondary)
{
    std::uint32_t word = 0;
    for (const LogicUnitBlueprint* u : units)
        word |= std::uint32_t { secondary ? u->secondary[k] : u->primary[k] } << (4 * u->unit);
    return word;
}

void EncodeFrame(
    const SetPlan& plan, const std::vector<const LogicUnitBlueprint*>& units, std::size_t k, std::uint8_t* frame)
{
    using namespace chunk;
    for (const PlannedEntry& e : plan.entries) {
        std::uint8_t* p = frame + e.position;
        switch (e.blueprint.type) {
        case kAnalog:
        case kAnalogPrimary:
        case kCalc:
            Put16(p, e.analog[0]->primary[k]);
            break;
        case kAnalogSecondary:
            Put16(p, e.analog[0]->secondary[k]);
            break;
        case kAnalogPair:
            Put16(p, e.analog[0]->primary[k]);
            Put16(p + plan.secondaryDistance, e.analog[0]->secondary[k]);
            break;
        case kAnalogRun:
        case kAnalogRunPrimary:
            for (std::size_t s = 0; s < e.analog.size(); ++s)
                Put16(p + 2 * s, e.analog[s]->primary[k]);
            break;
        case kAnalogRunSecondary:
            for (std::size_t s = 0; s < e.analog.size(); ++s)
                Put16(p + 2 * s, e.analog[s]->secondary[k]);
            break;
        case kLogic:
        case kLogicPrimary:
            Put16(p, LogicWord(units, k, false));
            break;
        case kLogicSecondary:
            Put16(p, LogicWord(units, k, true));
            break;
        default:
            break;
        }
    }
}

// Throws unless every code of the set's channels is the same over the points
// [from, to) as at `from`.
void CheckConstant(const std::vector<const AnalogBlueprint*>& analog,
    const std::vector<const LogicUnitBlueprint*>& units, std::size_t from, std::size_t to)
{
    auto same = [&](const auto& values) {
        return values.empty()
            || std::all_of(values.begin() + static_cast<std::ptrdiff_t>(from),
                values.begin() + static_cast<std::ptrdiff_t>(to), [&](auto v) { return v == values[from]; });
    };
    for (const AnalogBlueprint* a : analog)
        if (!same(a->primary) || !same(a->secondary))
            throw std::invalid_argument(kWhat + ": slot " + std::to_string(a->slot) + " changes within points "
                + std::to_string(from) + ".." + std::to_string(to - 1) + " of one frame");
    for (const LogicUnitBlueprint* u : units)
        if (!same(u->primary) || !same(u->secondary))
            throw std::invalid_argument(kWhat + ": logic unit changes within one frame");
}

void CheckZero(const std::vector<const AnalogBlueprint*>& analog, const std::vector<const LogicUnitBlueprint*>& units,
    std::size_t to)
{
    auto zero = [&](const auto& values) {
        return std::all_of(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(std::min(to, values.size())),
            [](auto v) { return v == 0; });
    };
    for (const AnalogBlueprint* a : analog)
        if (!zero(a->primary) || !zero(a->secondary))
            throw std::invalid_argument(
                kWhat + ": slot " + std::to_string(a->slot) + " has codes before its first frame");
    for (const LogicUnitBlueprint* u : units)
        if (!zero(u->primary) || !zero(u->secondary))
            throw std::invalid_argument(kWhat + ": logic codes before the first frame");
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

ChunkSamplingPeriod PeriodOf(const ChunkPeriodBlueprint& blueprint)
{
    return { blueprint.mantissa, blueprint.exponent, ChunkPeriodUnitSeconds(blueprint.unit) };
}

// The event marks as an "LX__EVNT" sub-chunk: its body (from the long
// header's parameter offset) holds the count and the positions.
RawSubChunkBlueprint EventChunk(const std::vector<std::int64_t>& events)
{
    RawSubChunkBlueprint raw;
    raw.tag = std::string(chunk::kEventTag);
    raw.body.assign(chunk::kEventPositions + events.size() * chunk::kEventPositionSize, 0);
    const auto count = static_cast<std::uint32_t>(events.size());
    for (int b = 0; b < 4; ++b)
        raw.body[chunk::kEventCount + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(count >> (8 * b));
    for (std::size_t i = 0; i < events.size(); ++i) {
        const auto u = static_cast<std::uint64_t>(events[i]);
        for (int b = 0; b < 8; ++b)
            raw.body[chunk::kEventPositions + i * chunk::kEventPositionSize + static_cast<std::size_t>(b)]
                = static_cast<std::uint8_t>(u >> (8 * b));
    }
    return raw;
}

// The marks' comments as an "SXEEEVTI" sub-chunk: count, entry size, then
// one NUL-padded UTF-16 entry per mark, as long as the longest comment.
RawSubChunkBlueprint EventCommentChunk(const std::vector<std::string>& comments)
{
    std::vector<std::vector<std::uint8_t>> texts;
    std::size_t size = 2;
    for (const std::string& c : comments) {
        texts.emplace_back();
        AppendUtf16(texts.back(), c);
        size = std::max(size, texts.back().size() + 2);
    }
    if (size > chunk::kEventInfoMaxEntrySize)
        throw std::invalid_argument(kWhat + ": an event comment is longer than an entry can hold");
    RawSubChunkBlueprint raw;
    raw.tag = std::string(chunk::kEventInfoTag);
    raw.body.assign(chunk::kEventInfoEntries + texts.size() * size, 0);
    const auto count = static_cast<std::uint32_t>(texts.size());
    for (int b = 0; b < 4; ++b) {
        raw.body[chunk::kEventInfoCount + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(count >> (8 * b));
        raw.body[chunk::kEventInfoEntrySize + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(size >> (8 * b));
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        std::copy(texts[i].begin(), texts[i].end(),
            raw.body.begin() + static_cast<std::ptrdiff_t>(chunk::kEventInfoEntries + i * size));
    return raw;
}

} // namespace

ChunkedFileBlueprint DescribeFamily5File(const Recording& recording, const Family5Options& options)
{
    CheckArrayLengths(recording, kWhat);
    CheckNibbles(recording, kWhat);
    if (!recording.floats.empty() || !recording.pulses.empty() || !recording.logicWords.empty())
        throw std::invalid_argument(kWhat + ": float, pulse and 32-bit logic channels have no frame entry");
    if (options.framesPerBlock < 1)
        throw std::invalid_argument(kWhat + ": blocks need at least one frame");
    const bool pairs = IsPairFunction(recording.function);
    const auto analog = SortedAnalog(recording, 352, kWhat);
    const auto units = SortedUnits(recording, 4, kWhat);
    auto setOf = [&](int slot) {
        const auto it = options.analogSet.find(slot);
        return it == options.analogSet.end() ? 0 : it->second;
    };
    if (options.logicSet < 0 || options.logicSet > 3)
        throw std::invalid_argument(kWhat + ": data set outside 0..3");

    ChunkedFileBlueprint blueprint;
    blueprint.main = BaseMainRecord(recording);
    if (!recording.mainFields.contains(27))
        blueprint.main.fields[27] = std::to_string(units.empty() ? 0 : units.back()->unit + 1);
    blueprint.records = StandardChannelRecords(recording);
    blueprint.records.insert(blueprint.records.end(), recording.extraRecords.begin(), recording.extraRecords.end());

    const std::int64_t repetition = ChunkRepetitionFactor(PeriodOf(options.periods[0]), PeriodOf(options.periods[1]));
    const std::int64_t shift
        = options.startValue1 != 0 ? std::int64_t { options.startValue1 } - options.startValue0 : 0;
    const std::int64_t length = recording.dataLength;

    std::vector<std::vector<ChunkBlockBlueprint>> blocksOfSet(4);
    bool index1 = false;
    for (int g = 0; g < 4; ++g) {
        std::vector<const AnalogBlueprint*> members;
        for (const AnalogBlueprint* a : analog) {
            if (setOf(a->slot) < 0 || setOf(a->slot) > 3)
                throw std::invalid_argument(kWhat + ": data set outside 0..3");
            if (setOf(a->slot) == g)
                members.push_back(a);
        }
        const bool logic = options.logicSet == g && !units.empty();
        if (members.empty() && !logic)
            continue;
        const auto setUnits = logic ? units : std::vector<const LogicUnitBlueprint*> {};
        const SetPlan plan = PlanSet(g, members, logic, pairs, options.runs);
        const auto w = static_cast<std::uint8_t>(g % 2);
        index1 = index1 || w == 1;
        ChunkFrameBlueprint frame;
        frame.indexByte = w;
        frame.secondPair = g >= 2;
        for (const PlannedEntry& e : plan.entries)
            frame.entries.push_back(e.blueprint);
        blueprint.frames.push_back(frame);

        const std::int64_t o = w == 1 ? repetition : 1;
        const std::int64_t off = w == 1 ? shift : 0;
        const std::int64_t first = std::max<std::int64_t>(0, FloorDiv(-off, o));
        const std::int64_t last = length - 1 - off >= 0 ? FloorDiv(length - 1 - off, o) : -1;
        if (off > 0)
            CheckZero(members, setUnits, static_cast<std::size_t>(std::min(off, length)));
        for (std::int64_t k0 = first; k0 <= last; k0 += options.framesPerBlock) {
            const std::int64_t n = std::min(options.framesPerBlock, last - k0 + 1);
            ChunkBlockBlueprint block;
            block.indexByte = w;
            block.subKind = g >= 2 ? chunk::kSecondPairSubKind : 0;
            block.startPoint = static_cast<std::uint32_t>(k0);
            block.frameCount = static_cast<std::uint32_t>(n);
            block.frames.assign(static_cast<std::size_t>(n) * plan.frameSize, 0);
            for (std::int64_t k = k0; k < k0 + n; ++k) {
                const std::int64_t from = std::max<std::int64_t>(k * o + off, 0);
                const std::int64_t to = std::min<std::int64_t>(k * o + off + o, length);
                CheckConstant(members, setUnits, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
                EncodeFrame(plan, setUnits, static_cast<std::size_t>(from),
                    block.frames.data() + static_cast<std::size_t>(k - k0) * plan.frameSize);
            }
            blocksOfSet[static_cast<std::size_t>(g)].push_back(std::move(block));
        }
    }
    // Blocks of the sets take turns in the chain.
    for (std::size_t round = 0;; ++round) {
        bool any = false;
        for (auto& blocks : blocksOfSet) {
            if (round < blocks.size()) {
                blueprint.blocks.push_back(std::move(blocks[round]));
                any = true;
            }
        }
        if (!any)
            break;
    }

    for (std::uint8_t w = 0; w < (index1 ? 2 : 1); ++w) {
        ChunkInfoBlueprint info;
        info.indexByte = w;
        info.period = options.periods[w];
        info.startValue0 = options.startValue0;
        info.startValue1 = options.startValue1;
        if (w == 0) {
            info.channels = options.channels;
            if (!recording.events.empty())
                info.extra.push_back(EventChunk(recording.events));
            if (!recording.eventComments.empty())
                info.extra.push_back(EventCommentChunk(recording.eventComments));
        }
        blueprint.infos.push_back(info);
    }
    return blueprint;
}

std::vector<std::uint8_t> WriteFamily5(const Recording& recording, const Family5Options& options)
{
    return WriteChunkedFile(DescribeFamily5File(recording, options)).bytes;
}

std::vector<std::uint8_t> WriteFamily5(const Recording& recording)
{
    return WriteFamily5(recording, Family5Options {});
}

} // namespace kp::synth
