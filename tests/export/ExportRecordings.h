#pragma once
// Small recordings for the export tests, written by the recording writer with
// settings whose scaling and time steps are exact binary fractions, so that
// every expected cell of a file can be spelled out.

#include "synth/Recording.h"
#include "synth/RecordingWriter.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kp::test {

// Family 1 (model 4170, MEM unless told otherwise): 1 s per division of 128
// points (7.8125 ms per point), trigger at 25 % of the record.
//   CH1 (slot 0): 0.0078125 x 50 % per code = 0.00390625 V, no scaling,
//                 comment "probe A", filter "OFF", module "4357 analog";
//   CH3 (slot 2): 0.015625 x 100 % per code = 0.015625 mV, offset -2, scaling
//                 ratio 2.5 and offset 0.25: value = code x 0.0390625 - 4.75;
//   logic unit A (unit 0) when withLogic.
inline synth::Recording ExportFamily1(std::int64_t points, const std::string& function = "MEM", bool withLogic = true)
{
    synth::Recording r;
    r.model = "4170";
    r.function = function;
    r.dataLength = points;
    r.mainFields = {
        { 7, "24-06-11" },
        { 8, "12:34:56" },
        { 10, "128" },
        { 11, "1s" },
        { 17, "25%" },
        { 18, " Test run " },
    };
    synth::AnalogBlueprint a;
    a.slot = 0;
    a.fields = { { 2, "4357 analog" }, { 4, "1V" }, { 15, "OFF" }, { 21, "OFF" }, { 22, "V" }, { 28, "50.0" },
        { 30, "probe A" }, { 33, "0.0078125" } };
    synth::AnalogBlueprint b;
    b.slot = 2;
    b.fields = { { 2, "4357 analog" }, { 4, "20mV" }, { 15, "ON" }, { 21, "ON" }, { 22, "mV" }, { 23, "2.5" },
        { 24, "0.25" }, { 28, "100.0" }, { 33, "0.015625" }, { 34, "-2" } };
    const bool pairs = function == "REC" || function == "RMS";
    for (std::int64_t i = 0; i < points; ++i) {
        a.primary.push_back(static_cast<std::uint16_t>(static_cast<std::int16_t>(i * 100 - 200)));
        b.primary.push_back(static_cast<std::uint16_t>(i * 64 + 128));
        if (pairs) {
            a.secondary.push_back(static_cast<std::uint16_t>(static_cast<std::int16_t>(i * 100 - 300)));
            b.secondary.push_back(static_cast<std::uint16_t>(i * 64));
        }
    }
    r.analog = { a, b };
    if (withLogic) {
        synth::LogicUnitBlueprint u;
        u.unit = 0;
        u.fields = { { 30, "door" } };
        for (std::int64_t i = 0; i < points; ++i) {
            u.primary.push_back(static_cast<std::uint8_t>(i % 16));
            if (pairs)
                u.secondary.push_back(static_cast<std::uint8_t>((i * 3) % 16));
        }
        r.logicUnits = { u };
    }
    return r;
}

// Family 3 (logger 3019): one sample per second, CH1 at 0.5 per code, pulse
// channel P1 at 0.5 per count plus 1 ("rpm", comment "wheel").
inline synth::Recording ExportFamily3(std::int64_t points)
{
    synth::Recording r;
    r.model = "3019";
    r.version = "30190001";
    r.dataLength = points;
    r.mainFields = { { 7, "24-06-11" }, { 8, "08:00:00" }, { 11, "1s" }, { 17, "0%" } };
    synth::AnalogBlueprint a;
    a.slot = 0;
    a.fields = { { 2, "VOLT" }, { 4, "10V" }, { 22, "V" }, { 33, "0.5" } };
    synth::PulseBlueprint p;
    p.slot = 0;
    p.fields = { { 22, "rpm" }, { 30, "wheel" }, { 33, "0.5" }, { 34, "1" } };
    for (std::int64_t i = 0; i < points; ++i) {
        a.primary.push_back(static_cast<std::uint16_t>(static_cast<std::int16_t>(i - 1)));
        p.primary.push_back(static_cast<std::uint16_t>(i * 1000));
    }
    r.analog = { a };
    r.pulses = { p };
    return r;
}

// Family 6 (5228): float channel Z1 holding the values given, unit "W".
inline synth::Recording ExportFamily6Floats(const std::vector<float>& values)
{
    synth::Recording r;
    r.model = "5228";
    r.version = "52280102";
    r.dataLength = static_cast<std::int64_t>(values.size());
    r.mainFields = { { 10, "128" }, { 11, "1s" }, { 17, "0%" } };
    synth::FloatBlueprint f;
    f.slot = 0;
    f.fields = { { 22, "W" }, { 30, "power" } };
    f.primary = values;
    r.floats = { f };
    return r;
}

inline std::filesystem::path WriteExportRecording(const synth::Recording& r, const std::filesystem::path& path)
{
    synth::WriteRecordingFile(r, path);
    return path;
}

} // namespace kp::test
