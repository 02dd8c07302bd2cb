#pragma once
// What the four panes of the status bar show for a record: the model name
// with an instrument icon tinted for the model, the function (or the
// real-time data format) with an icon for the kind of recording, the record
// length and the time per division. An empty header text shows " - ".

#include <array>
#include <string>

namespace kp {

class CWaveHeadInfo;

enum class StatusIcon {
    None,
    Instrument, // pane 0; tinted by StatusPane::tint
    Memory, // a sampled waveform
    Recorder, // an envelope band (REC, RMS)
    XY, // a closed curve
    Spectrum, // bars (FFT, harmonics)
    Realtime, // a waveform with a live dot
};

inline constexpr int kStatusPaneCount = 4;
inline constexpr int kModelTints = 8;

struct StatusPane {
    std::string text;
    StatusIcon icon = StatusIcon::None;
    int tint = 0; // 0 .. kModelTints - 1
    bool operator==(const StatusPane&) const = default;
};

using StatusPanes = std::array<StatusPane, kStatusPaneCount>;

StatusPanes BuildStatusPanes(const CWaveHeadInfo& head);
// "REAL_MEM" or "REAL_REC" for a real-time record; empty otherwise.
std::string RealtimeFormatText(const CWaveHeadInfo& head);

} // namespace kp
