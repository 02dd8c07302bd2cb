#include "wavefile/ChunkFrameLayout.h"

#include <cctype>
#include <cmath>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ChunkInfoArea.h"

namespace kp {

namespace {

ChunkFrameSet ReadFrameSet(const Chunk5595Info& edit)
{
    ChunkFrameSet set;
    set.present = true;
    const ByteReader r(edit.bytes, ByteOrder::Little);
    if (!r.fits(0, chunk::kEditEntries)) {
        set.problem = "frame description of " + std::to_string(edit.bytes.size()) + " bytes is too short";
        return set;
    }
    set.frameSize = r.u16(chunk::kEditFrameSize);
    const std::uint32_t count = r.u16(chunk::kEditEntryCount);
    set.secondaryDistance = 2 * count;
    if (!r.fits(chunk::kEditEntries, std::uint64_t { count } * chunk::kEditEntrySize)) {
        set.problem = "frame description lists " + std::to_string(count) + " channel entries but holds "
            + std::to_string((edit.bytes.size() - chunk::kEditEntries) / chunk::kEditEntrySize);
        return set;
    }
    std::uint32_t position = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t at = chunk::kEditEntries + std::uint64_t { i } * chunk::kEditEntrySize;
        ChunkChannelEntry e { r.u8(at), r.u8(at + 1), r.u8(at + 2), r.u8(at + 3), position };
        const ChunkEntryShape shape = ShapeOfChunkEntry(e.type, e.byteSize, set.secondaryDistance);
        if (shape.needs > 0 && !Fits(set.frameSize, position, shape.needs)) {
            set.problem = "channel entry " + std::to_string(i) + " (type " + std::to_string(e.type) + ") reads "
                + std::to_string(shape.needs) + " bytes at byte " + std::to_string(position) + " of a frame of "
                + std::to_string(set.frameSize) + " bytes";
            return set;
        }
        if (e.type == chunk::kLogicPair)
            set.carriesLogicPair = true;
        set.entries.push_back(e);
        position += shape.advance;
    }
    return set;
}

ChunkSamplingPeriod ReadPeriod(const Chunk5595Info& main)
{
    ChunkSamplingPeriod period;
    const auto params = SubChunkParameters(main);
    const ByteReader r(params, ByteOrder::Little);
    if (!r.fits(0, chunk::kPeriodUnit + chunk::kPeriodUnitSize))
        return period;
    period.mantissa = r.u16(chunk::kPeriodMantissa);
    period.exponent = r.i8(chunk::kPeriodExponent);
    std::string unit;
    for (std::size_t i = 0; i < chunk::kPeriodUnitSize && params[chunk::kPeriodUnit + i] != 0; ++i)
        unit += static_cast<char>(params[chunk::kPeriodUnit + i]);
    period.unitSeconds = ChunkPeriodUnitSeconds(unit);
    return period;
}

std::int32_t StartValue(const std::optional<Chunk5595Info>& main, std::size_t offset)
{
    if (!main)
        return 0;
    const ByteReader r(SubChunkParameters(*main), ByteOrder::Little);
    return r.fits(offset, 4) ? r.i32(offset) : 0;
}

double PowerOfTen(int k)
{
    double p = 1.0;
    for (int i = 0; i < k; ++i)
        p *= 10.0;
    return p;
}

} // namespace

ChunkEntryShape ShapeOfChunkEntry(std::uint8_t type, std::uint8_t byteSize, std::uint32_t secondaryDistance)
{
    using namespace chunk;
    const std::uint32_t runBytes = 2 * kRunLength;
    switch (type) {
    case kAnalog:
    case kLogic:
    case kCalc:
    case kCalcAlt:
        return { 2, byteSize };
    case kAnalogPair:
        return { secondaryDistance + 2, 2 };
    // The value and the 16 bits after it that build the next carried word.
    case kLogicPair:
        return { 4, byteSize };
    case kAnalogPrimary:
    case kAnalogSecondary:
    case kLogicPrimary:
    case kLogicSecondary:
        return { 2, 2 };
    case kAnalogRun:
        return { runBytes, byteSize };
    case kAnalogRunPair:
        return { static_cast<std::uint32_t>(kRunSecondaryDistance) + runBytes,
            static_cast<std::uint32_t>(byteSize / 2) };
    case kAnalogRunPrimary:
    case kAnalogRunSecondary:
        return { runBytes, runBytes };
    default:
        return { 0, 0 };
    }
}

double ChunkSamplingPeriod::Seconds() const
{
    return mantissa * std::pow(10.0, exponent) * unitSeconds;
}

bool ChunkFrameLayout::AnySet() const
{
    for (const auto& s : sets)
        if (s.present && s.frameSize > 0)
            return true;
    return false;
}

std::string ChunkFrameLayout::Problem() const
{
    for (std::size_t g = 0; g < sets.size(); ++g)
        if (sets[g].present && !sets[g].problem.empty())
            return "frame set " + std::to_string(g) + ": " + sets[g].problem;
    return {};
}

int ChunkSetNumber(int indexByte, int subKind)
{
    if (indexByte < 0 || indexByte > 1)
        return -1;
    return indexByte + (subKind == chunk::kSecondPairSubKind ? 2 : 0);
}

double ChunkPeriodUnitSeconds(const std::string& unit)
{
    for (const auto& u : chunk::kPeriodUnits) {
        if (u.text.size() != unit.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < unit.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(unit[i])) == u.text[i];
        if (same)
            return u.seconds;
    }
    return 1.0;
}

std::int64_t ChunkRepetitionFactor(const ChunkSamplingPeriod& period0, const ChunkSamplingPeriod& period1)
{
    if (period0.mantissa == 0 || period1.mantissa == 0)
        return 1;
    // Both periods are integers times a power of ten: keep the powers apart so
    // that a whole-number ratio comes out exact.
    const double a = period1.mantissa * period1.unitSeconds;
    const double b = period0.mantissa * period0.unitSeconds;
    const int k = period1.exponent - period0.exponent;
    const double ratio = k >= 0 ? a * PowerOfTen(k) / b : a / (b * PowerOfTen(-k));
    if (!(ratio >= 1.0))
        return 1;
    if (ratio >= static_cast<double>(kMaxRepetition))
        return kMaxRepetition;
    return static_cast<std::int64_t>(ratio);
}

ChunkFrameLayout ReadChunkFrameLayout(const CWaveHeadInfo& head)
{
    ChunkFrameLayout layout;
    std::array<std::optional<Chunk5595Info>, 2> mains;
    for (int w = 0; w < 2; ++w) {
        mains[w] = head.Retrieve5595ChunkInfo(chunk::kMainTag, w, 0);
        if (!mains[w])
            continue;
        layout.periods[w] = ReadPeriod(*mains[w]);
        for (int subKind : { 0, int { chunk::kSecondPairSubKind } }) {
            const auto edit
                = FindSubChunk(mains[w]->bytes, chunk::kMainNestedStart, mains[w]->area, chunk::kEditTag, -1, subKind);
            if (edit)
                layout.sets[static_cast<std::size_t>(ChunkSetNumber(w, subKind))] = ReadFrameSet(*edit);
        }
    }
    const std::int32_t start1 = StartValue(mains[1], chunk::kStartValue1);
    if (start1 != 0)
        layout.pointOffset1 = std::int64_t { start1 } - StartValue(mains[0], chunk::kStartValue0);
    layout.repetition1 = ChunkRepetitionFactor(layout.periods[0], layout.periods[1]);
    return layout;
}

double CWaveHeadInfo::GetChunkSamplingPeriod(int indexByte) const
{
    if (headerFamily_ != HeaderFamily::Family5 || indexByte < 0 || indexByte > 1)
        return 1.0;
    return ReadChunkFrameLayout(*this).periods[static_cast<std::size_t>(indexByte)].Seconds();
}

} // namespace kp
