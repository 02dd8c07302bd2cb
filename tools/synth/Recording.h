#pragma once
// Description of a recording for the recording writer. The writer lays it out
// in the byte form of its header family; a test then expects the reader to
// hand back exactly the codes written here.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kp::synth {

// A header record given as text fields (field n at byte 12n) plus raw bytes
// for binary records. Fields longer than 12 characters are refused.
struct RecordBlueprint {
    std::string tag;
    std::map<int, std::string> fields;
    // (byte offset, bytes) written after the fields; for binary records.
    std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> bytes;
};

// ------------------------------------------------------------ header side

// A channel's user scaling in the binary form of families 4, 7 and 8, which
// keep it beside the channel's value per code and offset: family 4 as floats
// in the channel's block of the old header (value per code comes from the
// range there, so valuePerCode and valueOffset are not written); family 7 as
// doubles in the unit's "HPF" block; family 8 as hex doubles in the channel's
// "HC02" record. The writer also switches the channel's scaling on.
struct BinaryScaling {
    double ratio = 1.0;
    double offset = 0.0;
    double valuePerCode = 1.0;
    double valueOffset = 0.0;
};

// One analog channel position (0-based slot of the channel tables).
struct AnalogBlueprint {
    int slot = 0;
    std::map<int, std::string> fields; // "HC" record fields beyond the designation
    std::map<int, std::string> fields02; // "HC02" record fields (families 8, 9); empty: none
    std::vector<std::uint16_t> primary; // codes as the reader must return them
    std::vector<std::uint16_t> secondary; // pair-valued functions (REC, RMS)
};

// A logic position holding 32-bit logic-unit values (LogicTable slots).
struct LogicWordBlueprint {
    int slot = 0;
    std::map<int, std::string> fields;
    std::vector<std::uint32_t> primary;
    std::vector<std::uint32_t> secondary;
};

// A classic 4-probe logic unit: one nibble (0-15) per point, primary and
// secondary (the OR/AND pair of envelope recordings).
struct LogicUnitBlueprint {
    int unit = 0;
    std::map<int, std::string> fields; // "HL" record fields
    std::vector<std::uint8_t> primary;
    std::vector<std::uint8_t> secondary;
};

struct FloatBlueprint {
    int slot = 0;
    std::map<int, std::string> fields;
    std::vector<float> primary;
    std::vector<float> secondary;
};

struct PulseBlueprint {
    int slot = 0;
    std::map<int, std::string> fields;
    std::vector<std::uint16_t> primary;
};

// ------------------------------------------------- families 6-9 (frames)
// Family 8 GPS quantities that share one 32-bit value (slots 246-248 and
// 249-252): each slot reads (value AND mask) >> shift.
struct GpsSplitBlueprint {
    std::uint32_t mask = 0xFFFFFFFFu;
    int shift = 0;
};

struct Recording {
    std::string model = "4170";
    std::string function = "MEM";
    std::string version; // field 9; empty: the model text (selects the family)
    std::string subModel; // field 15 where the family keeps it there
    std::int64_t dataLength = 0;
    std::map<int, std::string> mainFields; // further main-record fields

    std::vector<AnalogBlueprint> analog;
    std::vector<LogicWordBlueprint> logicWords;
    std::vector<LogicUnitBlueprint> logicUnits;
    std::vector<FloatBlueprint> floats;
    std::vector<PulseBlueprint> pulses;
    std::vector<RecordBlueprint> extraRecords; // written after the standard records
    // Binary scaling by analog slot; families 4, 7 and 8 only, others refuse
    // it. In family 7 a unit's block holds all eight channels, so either every
    // saved channel of the unit gives one or none does.
    std::map<int, BinaryScaling> binaryScaling;
    // Event mark positions, written where the family keeps them
    // (interpret/EventMarks.h); families 4 and 9 carry none and refuse them.
    std::vector<std::int64_t> events;
    // Comments of the event marks, in their order: only the chunked family
    // (5) stores them; the other families refuse them.
    std::vector<std::string> eventComments;

    // --------------------------------------------- families 6-9 (frames)
    // Family 8: mask and shift per split GPS slot (246-252), written to "HQ";
    // a slot not listed keeps the whole value.
    std::map<int, GpsSplitBlueprint> gpsSplits;
    // Families 8 and 9: unused bytes at the end of every frame.
    int frameSlack = 0;
};

} // namespace kp::synth
