#include "synth/DemoRecordings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <stdexcept>

namespace kp::synth {

namespace {

constexpr double kFullScale = 16000.0; // codes of a full-scale deflection

std::uint16_t Code(double value)
{
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value)));
}

std::vector<std::uint16_t> Shape(int shape, std::int64_t points, double period, std::mt19937& rng)
{
    std::vector<std::uint16_t> out(static_cast<std::size_t>(points));
    std::normal_distribution<double> noise(0.0, kFullScale / 8);
    for (std::int64_t k = 0; k < points; ++k) {
        const double phase = std::fmod(static_cast<double>(k), period) / period;
        double v = 0;
        switch (shape % 4) {
        case 0:
            v = kFullScale * std::sin(2 * std::numbers::pi * phase);
            break;
        case 1:
            v = phase < 0.5 ? kFullScale * 0.8 : -kFullScale * 0.8;
            break;
        case 2:
            v = kFullScale * (2 * phase - 1);
            break;
        default:
            v = noise(rng);
            break;
        }
        out[static_cast<std::size_t>(k)] = Code(v);
    }
    return out;
}

AnalogBlueprint Channel(int slot, std::vector<std::uint16_t> codes)
{
    AnalogBlueprint a;
    a.slot = slot;
    a.fields = { { 2, "4357 analog" }, { 4, "1V" }, { 16, "VOLT" }, { 22, "V" }, { 41, "1600" } };
    a.primary = std::move(codes);
    return a;
}

// The 32-bit logic-unit positions, float and pulse channels of the families
// that keep them (6, 8, 9), in slots their layouts can store.
void AddWordsFloatsAndPulses(Recording& r, HeaderFamily family, bool pairs, std::mt19937& rng)
{
    std::vector<int> words, floats, pulses;
    switch (family) {
    case HeaderFamily::Family6:
        if (!pairs) {
            words = { 1, 4 };
            floats = { 0, 11 };
        }
        break;
    case HeaderFamily::Family8:
        words = { 15, 240, 245, 256, 263 };
        floats = { 0, 7 };
        pulses = { 0, 1 };
        break;
    case HeaderFamily::Family9:
        words = pairs ? std::vector<int> { 7, 300 } : std::vector<int> { 5, 256, 351 };
        floats = pairs ? std::vector<int> { 15, 31, 40 } : std::vector<int> { 0, 16, 32, 94 };
        break;
    default:
        return;
    }
    const auto n = static_cast<std::size_t>(r.dataLength);
    auto wordValues = [&] {
        std::vector<std::uint32_t> v(n);
        for (auto& x : v)
            x = rng();
        // Family 6 builds one 32-bit value from the words of two points and
        // keeps it at both; an odd last point holds only the high half.
        if (family == HeaderFamily::Family6) {
            for (std::size_t p = 0; p + 1 < n; p += 2)
                v[p + 1] = v[p];
            if (n % 2 == 1)
                v[n - 1] &= 0xFFFF0000u;
        }
        return v;
    };
    for (int slot : words) {
        LogicWordBlueprint w;
        w.slot = slot;
        w.primary = wordValues();
        if (pairs)
            w.secondary = wordValues();
        r.logicWords.push_back(std::move(w));
    }
    std::uniform_real_distribution<float> value(-1e4f, 1e4f);
    auto floatValues = [&] {
        std::vector<float> v(n);
        for (auto& x : v)
            x = value(rng);
        return v;
    };
    for (int slot : floats) {
        FloatBlueprint f;
        f.slot = slot;
        f.primary = floatValues();
        if (pairs)
            f.secondary = floatValues();
        r.floats.push_back(std::move(f));
    }
    std::uniform_int_distribution<int> count(0, 0xFFFF);
    for (int slot : pulses) {
        PulseBlueprint p;
        p.slot = slot;
        p.primary.resize(n);
        for (auto& x : p.primary)
            x = static_cast<std::uint16_t>(count(rng));
        r.pulses.push_back(std::move(p));
    }
}

// The instrument's own display settings for the demo: each analog channel
// in a band of its own above the logic units (which take the lowest two
// fifths), magnified so that a full-scale swing stays inside its band, in
// colours that read on a black and on a white background alike.
void PlaceDemoChannels(Recording& r)
{
    static constexpr const char* kAnalogColours[]
        = { "220 40 40", "30 160 30", "50 100 240", "0 165 165", "200 0 200", "225 130 0", "130 90 220", "150 120 60" };
    static constexpr const char* kLogicColours[] = { "220 40 40", "30 160 30", "50 100 240", "225 130 0" };
    const int n = static_cast<int>(r.analog.size());
    // Percent of the wave area's height from its bottom: the analog bands
    // share 40 % .. 100 %.
    const double band = 60.0 / std::max(n, 1);
    char text[16];
    for (int k = 0; k < n; ++k) {
        AnalogBlueprint& a = r.analog[static_cast<std::size_t>(k)];
        std::snprintf(text, sizeof text, "%g%%", 100.0 - band * (k + 0.5));
        a.fields[5] = text;
        a.fields[27] = kAnalogColours[k % 8];
        // The shapes swing up to full scale, which is L divisions (half the
        // area); a band is band% of the whole height.
        std::snprintf(text, sizeof text, "%g", 0.8 * band / 100.0);
        a.fields[31] = text;
    }
    for (std::size_t u = 0; u < r.logicUnits.size(); ++u)
        r.logicUnits[u].fields[27] = kLogicColours[u % 4];
}

} // namespace

Recording WaveformRecording(int channels, int logicUnits, std::int64_t points, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    Recording r;
    r.model = "4170";
    r.version = "41700003";
    r.function = "MEM";
    r.dataLength = points;
    r.mainFields
        = { { 5, "---" }, { 7, "2024-06-11" }, { 8, "12:34:56" }, { 10, "100" }, { 11, "1ms" }, { 14, "1600" } };
    for (int c = 0; c < channels; ++c)
        r.analog.push_back(Channel(c, Shape(c, points, 1000.0 * (1 + c % 5), rng)));
    for (int u = 0; u < logicUnits; ++u) {
        LogicUnitBlueprint unit;
        unit.unit = u;
        unit.primary.resize(static_cast<std::size_t>(points));
        for (std::int64_t k = 0; k < points; ++k)
            unit.primary[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>((k >> (6 + 2 * u)) & 0xF);
        r.logicUnits.push_back(std::move(unit));
    }
    return r;
}

// The picture a new user sees first: triggered at a tenth of the record, with
// a few event marks along it.
Recording DemoRecording(std::uint32_t seed, std::int64_t points)
{
    Recording r = WaveformRecording(8, 4, points, seed);
    r.mainFields[17] = "10%";
    r.mainFields[18] = "Demo record";
    PlaceDemoChannels(r);
    for (const std::int64_t percent : { 4, 12, 35, 60, 85 })
        r.events.push_back(points * percent / 100);
    return r;
}

Recording FamilySampleRecording(
    HeaderFamily family, const std::string& function, std::int64_t points, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    const bool pairs = function == "REC" || function == "RMS";
    Recording r;
    r.function = function;
    r.dataLength = points;
    std::vector<int> slots { 0, 1, 3 };
    std::vector<int> units { 0, 1, 4 };
    switch (family) {
    case HeaderFamily::Family0:
        r.model = "3518";
        r.version = "35180001";
        break;
    case HeaderFamily::Family1:
        r.model = "4170";
        r.version = "41700003";
        break;
    case HeaderFamily::Family2:
        r.model = "3384";
        r.version = "33840001";
        units = { 0, 1, 3 };
        break;
    case HeaderFamily::Family3:
        r.model = "3019";
        r.version = "30190001";
        r.mainFields = { { 15, std::to_string(points + 3) }, { 10, "2" } };
        break;
    case HeaderFamily::Family4:
        r.model = "4756";
        break;
    case HeaderFamily::Family5:
        // The chunked frames reach logic units 0-3 only.
        r.model = "5595";
        r.version = "55950002";
        units = { 0, 1, 3 };
        break;
    case HeaderFamily::Family6:
        r.model = "5228";
        r.version = "52280102";
        slots = pairs ? std::vector<int> { 0, 3 } : std::vector<int> { 0, 2, 5 };
        units = pairs ? std::vector<int> { 0, 1, 4, 15 } : std::vector<int> { 5, 6, 9 };
        break;
    case HeaderFamily::Family7:
        r.model = "QX4767";
        r.version = "QX476701";
        slots = pairs ? std::vector<int> { 1, 2 } : std::vector<int> { 0, 3, 7 };
        units = pairs ? std::vector<int> { 0, 2, 3 } : std::vector<int> { 0, 1, 3 };
        break;
    case HeaderFamily::Family8:
        r.model = "QX3013";
        r.version = "QX301301";
        r.frameSlack = 2;
        slots = { 0, 14, 59 };
        units = { 0, 3, 4, 9, 17, 19 };
        break;
    case HeaderFamily::Family9:
        r.model = "QX3122";
        r.version = "QX3122-01";
        r.frameSlack = pairs ? 5 : 0;
        slots = pairs ? std::vector<int> { 1, 200 } : std::vector<int> { 0, 9, 255 };
        units = pairs ? std::vector<int> { 4, 5, 64 } : std::vector<int> { 0, 3, 9, 127 };
        break;
    default:
        throw std::invalid_argument("no sample recording for family " + std::to_string(FamilyNumber(family)));
    }
    std::uniform_int_distribution<int> code(0, 0xFFFF), nibble(0, 15);
    auto codes = [&] {
        std::vector<std::uint16_t> v(static_cast<std::size_t>(points));
        for (auto& c : v) {
            c = static_cast<std::uint16_t>(code(rng));
            if (family == HeaderFamily::Family0) // 12 bits, widened with ones exactly when bit 9 is set
                c = static_cast<std::uint16_t>((c & 0x0200) ? (c | 0xF000) : (c & 0x0FFF));
        }
        return v;
    };
    for (int slot : slots) {
        AnalogBlueprint a = Channel(slot, codes());
        if (family == HeaderFamily::Family4) // the old header keeps a 4-character input unit per channel
            a.fields = { { 2, slot == 1 ? "4522" : "3541" } };
        if (pairs)
            a.secondary = codes();
        r.analog.push_back(std::move(a));
    }
    for (int u : units) {
        LogicUnitBlueprint unit;
        unit.unit = u;
        for (std::int64_t k = 0; k < points; ++k) {
            unit.primary.push_back(static_cast<std::uint8_t>(nibble(rng)));
            if (pairs) // inside the primary set, which every family can store
                unit.secondary.push_back(static_cast<std::uint8_t>(unit.primary.back() & nibble(rng)));
        }
        r.logicUnits.push_back(std::move(unit));
    }
    AddWordsFloatsAndPulses(r, family, pairs, rng);
    if (family == HeaderFamily::Family2) // units 4-7 repeat unit 3's last probe; keep it clear
        for (auto& u : r.logicUnits)
            if (u.unit == 3) {
                for (auto& v : u.primary)
                    v &= 0x7;
                for (auto& v : u.secondary)
                    v &= 0x7;
            }
    return r;
}

bool FamilyKeepsFunction(HeaderFamily family, const std::string& function)
{
    if (function == "MEM")
        return family >= HeaderFamily::Family0 && family <= HeaderFamily::Family9;
    if (function != "REC" && function != "RMS")
        return false;
    switch (family) {
    case HeaderFamily::Family3:
    case HeaderFamily::Family8:
        return false;
    case HeaderFamily::Family7:
    case HeaderFamily::Family9:
        return function == "REC";
    default:
        return family >= HeaderFamily::Family0 && family <= HeaderFamily::Family9;
    }
}

} // namespace kp::synth
