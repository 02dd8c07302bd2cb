#include "wavefile/TableAllocation.h"

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>

#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

std::uint64_t AddSat(std::uint64_t a, std::uint64_t b)
{
    return a > kMax - b ? kMax : a + b;
}
std::uint64_t MulSat(std::uint64_t a, std::uint64_t b)
{
    return (b != 0 && a > kMax / b) ? kMax : a * b;
}

template <typename T> void Allocate(ChannelSlot<T>& slot, std::int64_t elements, bool pairs)
{
    slot.saved = true;
    slot.primary.assign(static_cast<std::size_t>(elements), T {});
    if (pairs)
        slot.secondary.assign(static_cast<std::size_t>(elements), T {});
}

AllocateResult Fail(ChannelTables& tables, AllocateStatus status, std::string detail, std::uint64_t bytes = 0)
{
    tables.clear();
    return { status, bytes, std::move(detail) };
}

} // namespace

std::uint64_t AllocationLimit(std::uint64_t fileSize)
{
    return AddSat(MulSat(MulSat(fileSize, kMaxExpansion), 2), kAllocationSlack);
}

std::int64_t PointsInRange(std::int64_t points, std::int64_t firstPoint, std::int64_t pointCount)
{
    if (firstPoint < 0 || pointCount <= 0 || points <= firstPoint)
        return 0;
    return std::min(points - firstPoint, pointCount);
}

std::uint64_t TableBytes(const SampleLayout& layout, std::int64_t firstPoint, std::int64_t pointCount)
{
    const std::uint64_t arrays = layout.pairs ? 2 : 1;
    auto channel = [&](std::int64_t points, std::uint64_t elementSize) {
        return MulSat(
            MulSat(static_cast<std::uint64_t>(PointsInRange(points, firstPoint, pointCount)), elementSize), arrays);
    };
    std::uint64_t bytes = 0;
    for (int i = 0; i < layout.analogPositions; ++i) {
        if (layout.logicSaved[i])
            bytes = AddSat(bytes, channel(layout.positionPoints[i], 4));
        else if (layout.analogSaved[i])
            bytes = AddSat(bytes, channel(layout.positionPoints[i], 2));
    }
    // Positions past the analog count that a family maps logic values to.
    for (int i = layout.analogPositions; i < kLogicSlots; ++i)
        if (layout.logicSaved[i])
            bytes = AddSat(bytes, channel(layout.positionPoints[i], 4));
    for (int k = 0; k < layout.floatCount; ++k)
        if (layout.floatSaved[k])
            bytes = AddSat(bytes, channel(layout.dataLength, 4));
    for (int k = 0; k < layout.pulseCount; ++k)
        if (layout.pulseSaved[k])
            bytes = AddSat(bytes, channel(layout.dataLength, 2));
    for (int g = 0; g < kLogicGroups; ++g)
        if (layout.groupPresent[g])
            bytes = AddSat(bytes, channel(layout.dataLength, 4));
    return bytes;
}

bool RangeFitsFile(const SampleLayout& layout, std::int64_t firstPoint, std::int64_t pointCount, std::uint64_t fileSize)
{
    const std::uint64_t points = static_cast<std::uint64_t>(PointsInRange(layout.MaxPoints(), firstPoint, pointCount));
    const std::uint64_t limit = AllocationLimit(fileSize);
    return points <= limit && TableBytes(layout, firstPoint, pointCount) <= limit;
}

AllocateResult AllocateTables(const SampleLayout& layout, std::int64_t firstPoint, std::int64_t pointCount,
    std::uint64_t fileSize, ChannelTables& tables)
{
    tables.clear();
    if (layout.noSampleData)
        return { AllocateStatus::NoSampleData, 0, "float channels are not read under POW" };
    for (int k = 0; k < layout.pulseCount; ++k)
        if (layout.pulseSaved[k] && layout.pairs)
            return Fail(tables, AllocateStatus::PulseUnderPairs, "pulse channels under a pair-valued function");
    for (int i = 0; i < kAnalogSlots; ++i)
        if ((layout.analogSaved[i] || layout.logicSaved[i]) && layout.positionPoints[i] <= 0)
            return Fail(
                tables, AllocateStatus::ZeroPointCount, "position " + std::to_string(i) + " is saved with no points");

    const std::uint64_t bytes = TableBytes(layout, firstPoint, pointCount);
    if (!RangeFitsFile(layout, firstPoint, pointCount, fileSize))
        return Fail(tables, AllocateStatus::TooLargeForFile,
            "tables of " + std::to_string(bytes) + " bytes from a file of " + std::to_string(fileSize) + " bytes",
            bytes);
    if (bytes > static_cast<std::uint64_t>(std::numeric_limits<std::ptrdiff_t>::max()))
        return Fail(tables, AllocateStatus::OutOfMemory, "tables larger than the address space", bytes);

    try {
        for (int i = 0; i < kAnalogSlots; ++i) {
            std::int64_t n = PointsInRange(layout.positionPoints[i], firstPoint, pointCount);
            if (layout.logicSaved[i])
                Allocate(tables.logic[i], n, layout.pairs);
            else if (layout.analogSaved[i] && i < layout.analogPositions)
                Allocate(tables.analog[i], n, layout.pairs);
        }
        const std::int64_t n = PointsInRange(layout.dataLength, firstPoint, pointCount);
        for (int k = 0; k < layout.floatCount; ++k)
            if (layout.floatSaved[k])
                Allocate(tables.floats[k], n, layout.pairs);
        for (int k = 0; k < layout.pulseCount; ++k)
            if (layout.pulseSaved[k])
                Allocate(tables.pulse[k], n, false);
        auto& logic = tables.logicGroups;
        for (int j = 0; j < kLogicUnits; ++j)
            logic.unitSaved[j] = layout.unitSaved[j];
        for (int g = 0; g < kLogicGroups; ++g) {
            if (!layout.groupPresent[g])
                continue;
            logic.logicPresent = true;
            Allocate(logic.groups[g], n, layout.pairs);
        }
    } catch (const std::bad_alloc&) {
        return Fail(
            tables, AllocateStatus::OutOfMemory, "allocation of " + std::to_string(bytes) + " bytes failed", bytes);
    } catch (const std::length_error&) {
        return Fail(
            tables, AllocateStatus::OutOfMemory, "allocation of " + std::to_string(bytes) + " bytes failed", bytes);
    }
    return { AllocateStatus::Ok, bytes, {} };
}

AllocateResult AllocateTables(const CWaveHeadInfo& head, std::int64_t firstPoint, std::int64_t pointCount,
    std::uint64_t fileSize, ChannelTables& tables)
{
    return AllocateTables(DescribeSamples(head), firstPoint, pointCount, fileSize, tables);
}

} // namespace kp
