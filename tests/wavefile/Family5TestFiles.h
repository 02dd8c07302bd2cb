#pragma once
// Chunked-family recordings for the tests: a base recording description,
// hand-made frame layouts, and a load of header plus samples for a range.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "synth/Family5Writer.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/SampleDecoder.h"
#include "wavefile/TableAllocation.h"

namespace kp::test5 {

// "HW" main record of a 5595 recording with `length` points.
inline synth::RecordBlueprint MainRecord(std::int64_t length, const std::string& function = "MEM")
{
    return { "HW", { { 2, "5595" }, { 4, function }, { 6, std::to_string(length) }, { 9, "55950103" }, { 27, "4" } },
        {} };
}

// "HC" records naming slots (designation = slot + 1) and "HL" records for units.
inline std::vector<synth::RecordBlueprint> SavedRecords(
    const std::vector<int>& slots, const std::vector<int>& units = {})
{
    std::vector<synth::RecordBlueprint> records;
    for (int s : slots)
        records.push_back({ "HC", { { 1, std::to_string(s + 1) } }, {} });
    for (int u : units)
        records.push_back({ "HL", { { 1, "L" + std::to_string(u + 1) } }, {} });
    return records;
}

inline synth::ChunkFrameBlueprint Frame(
    std::uint8_t indexByte, bool secondPair, std::vector<synth::ChunkEntryBlueprint> entries)
{
    synth::ChunkFrameBlueprint frame;
    frame.indexByte = indexByte;
    frame.secondPair = secondPair;
    frame.entries = std::move(entries);
    return frame;
}

// A chunk file with one information chunk per index byte used by `frames`.
inline synth::ChunkedFileBlueprint BareBlueprint(std::int64_t length, const std::vector<int>& slots,
    const std::vector<synth::ChunkFrameBlueprint>& frames, const std::string& function = "MEM")
{
    synth::ChunkedFileBlueprint blueprint;
    blueprint.main = MainRecord(length, function);
    blueprint.records = SavedRecords(slots, { 0, 1, 2, 3 });
    blueprint.frames = frames;
    bool index1 = false;
    for (const auto& f : frames)
        index1 = index1 || f.indexByte == 1;
    blueprint.infos.push_back({});
    if (index1) {
        synth::ChunkInfoBlueprint info;
        info.indexByte = 1;
        blueprint.infos.push_back(info);
    }
    return blueprint;
}

inline void Put16(std::vector<std::uint8_t>& frame, std::size_t at, std::uint16_t value)
{
    frame[at] = static_cast<std::uint8_t>(value);
    frame[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

struct Loaded {
    CWaveHeadInfo head;
    ChannelTables tables;
    AllocateResult allocation;
    DecodeResult result;
    int steps = 0;
};

// Loads the header and decodes points [first, first + count) (count < 0: up
// to the data length). `stopAfter` steps answer Cancel when not negative.
inline void Load(Loaded& out, const std::vector<std::uint8_t>& bytes, std::int64_t first = 0, std::int64_t count = -1,
    int stopAfter = -1)
{
    ASSERT_TRUE(out.head.Load(bytes));
    ASSERT_EQ(out.head.GetHeaderFamily(), HeaderFamily::Family5);
    if (count < 0)
        count = out.head.GetDataLength() - first;
    out.allocation = AllocateTables(out.head, first, count, bytes.size(), out.tables);
    ASSERT_EQ(out.allocation.status, AllocateStatus::Ok) << out.allocation.detail;
    DecodeRequest request { out.head, bytes, out.tables, first, count, {}, {} };
    request.step = [&out, stopAfter] { return ++out.steps, stopAfter < 0 || out.steps <= stopAfter; };
    out.result = DecodeSamples(request);
}

} // namespace kp::test5
