#include "view/ScriptRecording.h"

#include "export/ExportPlan.h"
#include "interpret/EventMarks.h"
#include "wavefile/SampleLayout.h"

#include <algorithm>
#include <stdexcept>
#include <thread>
#include <vector>

namespace kp {

namespace {

constexpr int kProbesPerClassicUnit = 4;

template <typename T> const std::vector<T>& Half(const ChannelSlot<T>& slot, bool secondary)
{
    return secondary ? slot.secondary : slot.primary;
}

// One pass, one write per point; the rule is chosen outside the loop so that
// the common linear case compiles to a plain multiply-add. Every branch
// computes what ChannelScale computes for that code.
void Scale16(const ChannelScale& s, const std::uint16_t* codes, ScriptRange r, double* out)
{
    const std::uint16_t* p = codes + r.first;
    if (s.rule == ChannelScale::Rule::Linear && !s.unsignedCodes && r.step == 1) {
        // The whole-channel read: contiguous, so that it vectorises.
        const double scale = s.scale;
        const double offset = s.offset;
        for (std::int64_t i = 0; i < r.count; ++i)
            out[i] = static_cast<double>(static_cast<std::int16_t>(p[i])) * scale + offset;
    } else if (s.rule == ChannelScale::Rule::Linear && !s.unsignedCodes) {
        for (std::int64_t i = 0; i < r.count; ++i)
            out[i] = static_cast<double>(static_cast<std::int16_t>(p[i * r.step])) * s.scale + s.offset;
    } else if (s.rule == ChannelScale::Rule::Linear) {
        for (std::int64_t i = 0; i < r.count; ++i)
            out[i] = static_cast<double>(p[i * r.step]) * s.scale + s.offset;
    } else {
        for (std::int64_t i = 0; i < r.count; ++i)
            out[i] = s.Apply16(p[i * r.step]);
    }
}

// A fresh result array of millions of points costs more in its first touch
// (the system clearing its pages) than in the scaling itself; parts written
// side by side share that cost out over the cores.
constexpr std::int64_t kPointsPerPart = std::int64_t { 1 } << 21;

template <typename WritePart> void WriteInParts(ScriptRange r, double* out, WritePart write)
{
    const auto cores = static_cast<std::int64_t>(std::max(1u, std::thread::hardware_concurrency()));
    const std::int64_t parts = std::clamp<std::int64_t>(r.count / kPointsPerPart, 1, cores);
    if (parts == 1) {
        write(r, out);
        return;
    }
    const std::int64_t size = (r.count + parts - 1) / parts;
    std::vector<std::jthread> others;
    for (std::int64_t begin = size; begin < r.count; begin += size) {
        const ScriptRange part { r.first + begin * r.step, r.step, std::min(size, r.count - begin) };
        others.emplace_back([=] { write(part, out + begin); });
    }
    write(ScriptRange { r.first, r.step, size }, out);
}

// The physical values of one part of a channel, as the text export computes them.
void WriteValues(const ScriptChannel& ch, const ScriptCodes& codes, ScriptRange r, double* out)
{
    switch (ch.kind) {
    case ScriptChannelKind::Analog:
        Scale16(ch.scale, static_cast<const std::uint16_t*>(codes.data), r, out);
        break;
    case ScriptChannelKind::Pulse: {
        const auto* p = static_cast<const std::uint16_t*>(codes.data) + r.first;
        for (std::int64_t i = 0; i < r.count; ++i)
            out[i] = ch.pulseScale.Apply(p[i * r.step]);
        break;
    }
    case ScriptChannelKind::Wide: {
        const auto* p = static_cast<const std::uint32_t*>(codes.data) + r.first;
        for (std::int64_t i = 0; i < r.count; ++i)
            out[i] = ch.scale.Apply32(p[i * r.step]);
        break;
    }
    case ScriptChannelKind::Calc: {
        const auto* p = static_cast<const float*>(codes.data) + r.first;
        for (std::int64_t i = 0; i < r.count; ++i)
            out[i] = static_cast<double>(p[i * r.step]);
        break;
    }
    case ScriptChannelKind::Logic:
        break;
    }
}

} // namespace

std::string_view ScriptChannelKindName(ScriptChannelKind kind)
{
    switch (kind) {
    case ScriptChannelKind::Analog:
        return "analog";
    case ScriptChannelKind::Wide:
        return "wide";
    case ScriptChannelKind::Pulse:
        return "pulse";
    case ScriptChannelKind::Calc:
        return "calc";
    case ScriptChannelKind::Logic:
        return "logic";
    }
    return "analog";
}

ScriptRecording::ScriptRecording()
    : doc_(messages_, progress_, blocks_)
{
}

ScriptRecording::OpenResult ScriptRecording::Open(const std::filesystem::path& path)
{
    OpenResult result;
    std::unique_ptr<ScriptRecording> r(new ScriptRecording());
    bool opened = false;
    try {
        opened = r->doc_.OnOpenDocument(path);
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    if (!opened || !r->doc_.IsLoaded()) {
        std::error_code ec;
        result.missing = !std::filesystem::exists(path, ec);
        if (result.error.empty())
            result.error = r->messages_.lastText();
        if (result.error.empty())
            result.error = "Not a waveform file.";
        return result;
    }
    r->Describe();
    result.recording = std::move(r);
    return result;
}

void ScriptRecording::Describe()
{
    const CWaveHeadInfo& head = doc_.GetHeadInfo();
    const ExportPlan plan = BuildExportPlan(head, DescribeSamples(head), ExportChoices {});
    points_ = std::max<std::int64_t>(0, std::min(doc_.GetDataLength(), doc_.GetPointsRead()));
    triggerPoint_ = plan.layout.time.triggerPoint;
    interval_ = plan.layout.time.interval;

    const auto& columns = plan.layout.columns;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ExportColumn& c = columns[i];
        const ColumnHeaderCell& cell = plan.texts.columns[i];
        if (c.secondary) {
            channels_.back().pair = true;
            continue;
        }
        const bool bit = c.source == ColumnSource::LogicBit || c.source == ColumnSource::GroupBit;
        if (bit) {
            const int unit = c.source == ColumnSource::GroupBit ? c.slot * 8 + c.bit / kProbesPerClassicUnit : -1;
            ScriptChannel* last = channels_.empty() ? nullptr : &channels_.back();
            const bool sameUnit = last != nullptr && last->kind == ScriptChannelKind::Logic && last->slot == c.slot
                && (unit < 0 || last->probeBits.front() / kProbesPerClassicUnit == c.bit / kProbesPerClassicUnit);
            if (!sameUnit) {
                ScriptChannel ch;
                ch.kind = ScriptChannelKind::Logic;
                ch.slot = c.slot;
                ch.classicUnit = unit >= 0;
                // Named as the channel information lines of a text file name the unit.
                ch.name = unit >= 0 ? std::string("L") + static_cast<char>('A' + unit % 26)
                                    : head.GetLogicChannelName(c.slot * 16, 2);
                channels_.push_back(std::move(ch));
            }
            channels_.back().probes.push_back(cell.name);
            channels_.back().probeBits.push_back(c.bit);
            continue;
        }
        ScriptChannel ch;
        ch.name = cell.name;
        ch.unit = cell.unit;
        ch.slot = c.slot;
        ch.precision = c.precision;
        switch (c.source) {
        case ColumnSource::Analog:
            ch.kind = ScriptChannelKind::Analog;
            ch.scale = head.GetChannelScale(c.slot);
            break;
        case ColumnSource::LogicWord:
            ch.kind = ScriptChannelKind::Wide;
            ch.scale = head.GetChannelScale(c.slot);
            break;
        case ColumnSource::Pulse:
            ch.kind = ScriptChannelKind::Pulse;
            ch.pulseScale = head.GetPulseScale(c.slot);
            break;
        default:
            ch.kind = ScriptChannelKind::Calc;
            break;
        }
        channels_.push_back(std::move(ch));
    }
}

int ScriptRecording::FindChannel(std::string_view name) const
{
    for (std::size_t i = 0; i < channels_.size(); ++i)
        if (channels_[i].name == name)
            return static_cast<int>(i);
    return -1;
}

ScriptCodes ScriptRecording::Codes(int channel, bool secondary) const
{
    const ScriptChannel& ch = channels_.at(static_cast<std::size_t>(channel));
    const ChannelTables& t = doc_.GetTables();
    ScriptCodes codes;
    auto take = [&](const auto& values, ScriptCodes::Type type) {
        codes.type = type;
        codes.data = values.data();
        codes.size = std::min<std::int64_t>(points_, static_cast<std::int64_t>(values.size()));
    };
    const auto slot = static_cast<std::size_t>(ch.slot);
    switch (ch.kind) {
    case ScriptChannelKind::Analog:
        take(Half(t.analog.at(slot), secondary),
            ch.scale.unsignedCodes ? ScriptCodes::Type::UInt16 : ScriptCodes::Type::Int16);
        break;
    case ScriptChannelKind::Pulse:
        take(Half(t.pulse.at(slot), secondary), ScriptCodes::Type::UInt16);
        break;
    case ScriptChannelKind::Wide:
        take(Half(t.logic.at(slot), secondary), ScriptCodes::Type::UInt32);
        break;
    case ScriptChannelKind::Calc:
        take(Half(t.floats.at(slot), secondary), ScriptCodes::Type::Float32);
        break;
    case ScriptChannelKind::Logic: {
        take(Half(ch.classicUnit ? t.logicGroups.groups.at(slot) : t.logic.at(slot), secondary),
            ScriptCodes::Type::UInt32);
        break;
    }
    }
    return codes;
}

void ScriptRecording::Values(int channel, bool secondary, ScriptRange r, double* out) const
{
    const ScriptChannel& ch = channels_.at(static_cast<std::size_t>(channel));
    if (ch.kind == ScriptChannelKind::Logic)
        throw std::invalid_argument("a logic unit has no values; read its probes");
    const ScriptCodes codes = Codes(channel, secondary);
    if (r.count <= 0)
        return;
    if (r.first < 0 || r.step < 1 || r.first + (r.count - 1) * r.step >= codes.size)
        throw std::out_of_range("point range outside the channel");
    WriteInParts(r, out, [&ch, &codes](ScriptRange part, double* into) { WriteValues(ch, codes, part, into); });
}

void ScriptRecording::Times(ScriptRange r, double* out) const
{
    for (std::int64_t i = 0; i < r.count; ++i)
        out[i] = static_cast<double>(r.first + i * r.step - triggerPoint_) * interval_;
}

void ScriptRecording::Logic(int channel, int probe, bool secondary, ScriptRange r, bool* out) const
{
    const ScriptChannel& ch = channels_.at(static_cast<std::size_t>(channel));
    if (ch.kind != ScriptChannelKind::Logic)
        throw std::invalid_argument("not a logic unit");
    const int bit = ch.probeBits.at(static_cast<std::size_t>(probe - 1));
    const ScriptCodes codes = Codes(channel, secondary);
    if (r.count <= 0)
        return;
    if (r.first < 0 || r.step < 1 || r.first + (r.count - 1) * r.step >= codes.size)
        throw std::out_of_range("point range outside the channel");
    const auto* p = static_cast<const std::uint32_t*>(codes.data) + r.first;
    for (std::int64_t i = 0; i < r.count; ++i)
        out[i] = ((p[i * r.step] >> bit) & 1u) != 0;
}

std::vector<ScriptEvent> ScriptRecording::Events() const
{
    std::vector<ScriptEvent> events;
    for (std::int64_t p : ReadEventMarks(doc_.GetHeadInfo()).positions) {
        if (p < 0)
            continue;
        events.push_back({ p, static_cast<double>(p - triggerPoint_) * interval_ });
    }
    return events;
}

} // namespace kp
