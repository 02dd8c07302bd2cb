#pragma once
// Shared pieces of the per-family writers (Family<N>Writer.cpp). A family
// writer builds its header records, then appends its sample data.

#include <cstdint>
#include <string>
#include <vector>

#include "synth/RecordBytes.h"
#include "synth/Recording.h"
#include "wavefile/HeaderFamily.h"

namespace kp::synth {

// Per-family writers: the whole file of one family.
std::vector<std::uint8_t> WriteFamily0(const Recording& recording);
std::vector<std::uint8_t> WriteFamily1(const Recording& recording);
std::vector<std::uint8_t> WriteFamily2(const Recording& recording);
std::vector<std::uint8_t> WriteFamily3(const Recording& recording);
std::vector<std::uint8_t> WriteFamily4(const Recording& recording);
std::vector<std::uint8_t> WriteFamily5(const Recording& recording);
std::vector<std::uint8_t> WriteFamily6(const Recording& recording);
std::vector<std::uint8_t> WriteFamily7(const Recording& recording);
std::vector<std::uint8_t> WriteFamily8(const Recording& recording);
std::vector<std::uint8_t> WriteFamily9(const Recording& recording);

// The version text written to field 9: the recording's, else its model.
std::string VersionText(const Recording& recording);
// True for "REC" and "RMS": every point carries a primary and a secondary value.
bool IsPairFunction(const std::string& function);

// The main record every "HW" family shares: field 0 "HW", 2 model, 4
// function, 6 data length, 9 version, 15 sub-model (when given), then the
// recording's mainFields (which may override any of these). Field 1, the
// record count, is set by HeaderBytes.
RecordBlueprint BaseMainRecord(const Recording& recording);

// The standard channel records, in this order:
// "HC" per analog channel, field 1 = slot + 1 ("3" names position 2);
// "HL" per logic unit, field 1 = "L" + (unit + 1);
// "HJ" per pulse channel, field 1 = "P" + (slot + 1);
// then the event mark records of families 0-3, 6 and 7 (EventMarkRecords).
// Each record also carries the blueprint's own fields. Float channel records are
// family-specific and not part of this list.
std::vector<RecordBlueprint> StandardChannelRecords(const Recording& recording);

// The event mark records of the recording's events: "HE3019" in family 3,
// "HE-QX3013" in family 8, "HPE" (slots "A"-"Z") in the other families that
// write text records; 40 marks per record. Throws when the "HPE" slots cannot
// hold them all.
std::vector<RecordBlueprint> EventMarkRecords(const Recording& recording, HeaderFamily family);

// Main record (field 1 = 1 + records.size()), the records, then the
// recording's extraRecords, as bytes. The extra records count as well.
std::vector<std::uint8_t> HeaderBytes(
    RecordBlueprint main, const std::vector<RecordBlueprint>& records, const Recording& recording);

// Throws std::invalid_argument unless every array of the recording has
// dataLength entries (secondary arrays: dataLength under REC/RMS, empty
// otherwise). `what` names the family in the message.
void CheckArrayLengths(const Recording& recording, const std::string& what);

// Big- and little-endian appends.
void PutBE16(std::vector<std::uint8_t>& out, std::uint16_t value);
void PutLE16(std::vector<std::uint8_t>& out, std::uint16_t value);
void PutBE32(std::vector<std::uint8_t>& out, std::uint32_t value);
void PutLE32(std::vector<std::uint8_t>& out, std::uint32_t value);
void PutBEFloat(std::vector<std::uint8_t>& out, float value);
void PutLEFloat(std::vector<std::uint8_t>& out, float value);

} // namespace kp::synth

namespace kp::synth {

// The recording's analog channels and logic units sorted by slot/unit; throws
// std::invalid_argument for a slot outside [0, slotLimit) or a repeated one.
std::vector<const AnalogBlueprint*> SortedAnalog(const Recording& recording, int slotLimit, const std::string& what);
std::vector<const LogicUnitBlueprint*> SortedUnits(const Recording& recording, int unitLimit, const std::string& what);
// Throws unless every nibble of the recording's logic units is 0-15.
void CheckNibbles(const Recording& recording, const std::string& what);

} // namespace kp::synth
