#pragma once
// A recording opened for a script (the Python module): loaded exactly as the
// viewer loads it, its channels described as the export's header names them,
// and every value, time and logic bit filled into a buffer the caller owns,
// computed with the export's own scaling so that a script reads the numbers
// a text file would hold.

#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/ChannelScale.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kp {

enum class ScriptChannelKind { Analog, Wide, Pulse, Calc, Logic };

// "analog", "wide", "pulse", "calc", "logic".
std::string_view ScriptChannelKindName(ScriptChannelKind kind);

struct ScriptChannel {
    std::string name; // as the channel header line of a text file names it
    std::string unit; // empty for logic units
    ScriptChannelKind kind = ScriptChannelKind::Analog;
    int slot = 0; // table slot: analog/logic position, pulse, float slot, or logic group
    bool pair = false; // envelope records: a maximum (primary) and a minimum (secondary) per point
    int precision = 0; // decimals the export prints
    ChannelScale scale; // Analog, Wide
    PulseScale pulseScale; // Pulse
    // Logic units: probe names (1-based probe p is probes[p - 1]) and their bits.
    std::vector<std::string> probes;
    std::vector<int> probeBits;
    bool classicUnit = false; // a 4-probe unit in a logic group word, else a 32-bit logic position
};

// Raw codes of one value of a channel, as stored in the document's tables.
struct ScriptCodes {
    enum class Type { Int16, UInt16, UInt32, Float32 };
    Type type = Type::UInt16;
    const void* data = nullptr;
    std::int64_t size = 0;
};

// Points first, first + step, ... (count of them).
struct ScriptRange {
    std::int64_t first = 0;
    std::int64_t step = 1;
    std::int64_t count = 0;
};

struct ScriptEvent {
    std::int64_t point = 0;
    double seconds = 0.0; // from the trigger point
};

class ScriptRecording {
public:
    struct OpenResult {
        std::unique_ptr<ScriptRecording> recording; // null when refused
        std::string error; // the program's own message when refused
        bool missing = false; // the file named does not exist
    };
    // Recognises and loads the file as the viewer does; an index file loads
    // the block the viewer would show. A file cut short keeps what was read.
    static OpenResult Open(const std::filesystem::path& path);

    ScriptRecording(const ScriptRecording&) = delete;
    ScriptRecording& operator=(const ScriptRecording&) = delete;

    const CKpDoc& Doc() const { return doc_; }
    const CBlockFileList& Blocks() const { return blocks_; }
    const std::vector<ScriptChannel>& Channels() const { return channels_; }
    // Index of the channel of that name, -1 when none.
    int FindChannel(std::string_view name) const;

    // Points every channel holds (fewer than RecordedPoints when cut short).
    std::int64_t Points() const { return points_; }
    std::int64_t RecordedPoints() const { return doc_.GetDataLength(); }
    std::int64_t TriggerPoint() const { return triggerPoint_; }
    double Interval() const { return interval_; } // seconds per point

    ScriptCodes Codes(int channel, bool secondary) const;
    // Physical values of an Analog, Wide, Pulse or Calc channel: out[i] for
    // point range.first + i x range.step. The range must lie within Points().
    void Values(int channel, bool secondary, ScriptRange range, double* out) const;
    // Seconds from the trigger point, as the time column prints them.
    void Times(ScriptRange range, double* out) const;
    // One probe (1-based) of a logic unit.
    void Logic(int channel, int probe, bool secondary, ScriptRange range, bool* out) const;
    std::vector<ScriptEvent> Events() const;

private:
    ScriptRecording();
    void Describe();

    SilentMessages messages_;
    NullProgress progress_;
    CBlockFileList blocks_;
    CKpDoc doc_;
    std::vector<ScriptChannel> channels_;
    std::int64_t points_ = 0;
    std::int64_t triggerPoint_ = 0;
    double interval_ = 0.0;
};

} // namespace kp
