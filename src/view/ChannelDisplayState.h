#pragma once
// The view's per-channel display state: shown, colour, zoom and position of
// every channel of every class, indexed by channel number. Loads start from
// the header's values; with "Fi&xed" on, colour, zoom and position carry over
// from file to file through the stored per-channel values.

#include "format/SettingsEncoding.h"

#include <vector>

namespace kp {

class SettingsStore;
struct HeaderDisplay;
struct ViewRecord;

struct ChannelClassState {
    std::vector<bool> shown;
    std::vector<RgbColour> colour;
    std::vector<double> zoom; // logic: height fraction
    std::vector<double> position; // half wave-area heights

    explicit ChannelClassState(int capacity = 0);
    int capacity() const { return static_cast<int>(shown.size()); }
};

// The 16-entry palette: channel i uses entry i mod 16; logic channel i uses
// entry (i / 4) mod 16, so the four probes of a unit share a colour.
RgbColour DefaultChannelColour(int channel);
RgbColour DefaultLogicColour(int logicChannel);

struct ChannelDisplayState {
    ChannelClassState analog;
    ChannelClassState calc;
    ChannelClassState pulse;
    ChannelClassState logic;

    ChannelDisplayState();

    // Defaults everywhere, then every present channel from its header.
    void ResetFromRecord(const ViewRecord& record);
    // "&Default" of one channel: zoom (capped at 100), position and colour
    // from the header.
    static void ApplyHeader(
        ChannelClassState& state, int index, const HeaderDisplay& header, RgbColour fallbackColour, bool takeShown);

    // The stored per-channel values ("AnalogWaveColor", ...): a stored value
    // is copied up to the expected size, a shorter one as far as it goes.
    void ReadProfile(const SettingsStore& store);
    void WriteProfile(SettingsStore& store) const;
};

} // namespace kp
