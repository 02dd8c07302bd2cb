#pragma once
// What the sample data part of a recording holds, as the header describes it:
// which channels were saved, how many points each has, whether points carry
// a pair of values. Allocation, every family's decoder, the load's progress
// and the recording writer's tests read this one description, so the saved
// rules live in one place.

#include <array>
#include <cstdint>
#include <string>

#include "wavefile/ChannelTables.h"
#include "wavefile/ModelTables.h"

namespace kp {

class CWaveHeadInfo;

// How the load steps its progress window: per point across all channels, per
// value of one channel block after another, or once per channel (family 0).
enum class ProgressKind { PerPoint, PerBlockValue, PerChannel };

struct SampleLayout {
    HeaderFamily family = HeaderFamily::Family1;
    int function = kFunctionUnknown;
    bool pairs = false; // REC and RMS: a primary and a secondary value per point
    std::int64_t dataLength = 0;

    int analogPositions = 0; // positions below this count are analog channels or logic-unit positions
    int floatCount = 0;
    int pulseCount = 0;
    int logicUnits = 0; // classic 4-probe units, at most 128
    int auxCount = 0;

    std::array<bool, kAnalogSlots> analogSaved {};
    std::array<bool, kLogicSlots> logicSaved {}; // positions holding 32-bit logic-unit values
    // Points of each analog or logic position (the data length except where a
    // family stores a count per channel).
    std::array<std::int64_t, kAnalogSlots> positionPoints {};
    std::array<bool, kFloatSlots> floatSaved {};
    std::array<bool, kPulseSlots> pulseSaved {};
    std::array<bool, kLogicUnits> unitSaved {};
    std::array<bool, kLogicGroups> groupPresent {};

    // Set when the header's function and channels allow no sample data at all
    // (float channels under POW): the load keeps the header and empty tables.
    bool noSampleData = false;

    ProgressKind progress = ProgressKind::PerPoint;
    int logicBlocks = 0; // block layouts: logic blocks that follow the channel blocks

    int SavedAnalogCount() const;
    int SavedUnitCount() const;
    bool AnyGroupPresent() const;
    // The largest point count of any channel (the range a whole load covers).
    std::int64_t MaxPoints() const;
};

// The layout of a recording whose header has been read. Never fails: counts
// the header does not give are 0.
SampleLayout DescribeSamples(const CWaveHeadInfo& head);

// Family hooks: the families that mark saved channels in a way of their own
// adjust the common description here (logic-unit positions, float slots,
// per-channel counts). Each lives in its family's decoder file.
void DescribeFamily5(const CWaveHeadInfo& head, SampleLayout& layout);
void DescribeFamily6(const CWaveHeadInfo& head, SampleLayout& layout);
void DescribeFamily7(const CWaveHeadInfo& head, SampleLayout& layout);
void DescribeFamily8(const CWaveHeadInfo& head, SampleLayout& layout);
void DescribeFamily9(const CWaveHeadInfo& head, SampleLayout& layout);

// Range of the load's progress window for pointCount points (see ProgressKind).
std::int64_t ProgressRange(const SampleLayout& layout, std::int64_t pointCount);
// Points (PerPoint) or values (PerBlockValue) between two progress steps.
inline constexpr std::int64_t kPointsPerStep = 2000;
inline constexpr std::int64_t kValuesPerStep = 5000;

// Family 0: the channel type digit of a position (1 analog, 2 logic, 3 both;
// 0 when the header gives none).
int Family0ChannelType(const CWaveHeadInfo& head, int position);

} // namespace kp
