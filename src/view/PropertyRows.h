#pragma once
// The channel lists of the properties window (analog, logic, pulse: one
// column per recorded channel) and the helpers the lists share.

#include "view/TextTable.h"
#include "wavefile/HeaderRecord.h"

#include <string>
#include <vector>

namespace kp {

class CKpDoc;

// A stored text as shown: trimmed, "-" when there is none.
std::string ShownText(const std::string& text);
// Field n of a record, trimmed; "" for an absent record.
std::string RecordField(const HeaderRecord* record, int field);

// The channels the lists give a column (analog, pulse) or a row (wave
// calculation), in channel order.
std::vector<int> RecordedAnalogChannels(const CKpDoc& doc);
std::vector<int> RecordedPulseChannels(const CKpDoc& doc);
std::vector<int> RecordedWaveCalcChannels(const CKpDoc& doc);

struct SavedChannelNames {
    std::vector<std::string> analog; // measured channels
    std::vector<std::string> channelCalc; // family 8: calculated channel positions
    std::vector<std::string> gps; // family 8: GPS positions
    std::vector<std::string> waveCalc; // waveform-calculation (float) channels
    std::vector<std::string> pulse;
    std::vector<std::string> logicUnits;
};
SavedChannelNames ListSavedChannels(const CKpDoc& doc);

TextTable AnalogPropertyTable(const CKpDoc& doc);
TextTable LogicPropertyTable(const CKpDoc& doc);
TextTable PulsePropertyTable(const CKpDoc& doc);

} // namespace kp
