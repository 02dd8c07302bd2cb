#pragma once
// The document's channel tables: raw codes exactly as the instrument stored
// them, one array per saved channel and value of a pair. Physical values are
// computed from these by the interpreting accessors of CWaveHeadInfo.

#include <array>
#include <cstdint>
#include <vector>

namespace kp {

inline constexpr int kAnalogSlots = 352;
inline constexpr int kLogicSlots = 352;
inline constexpr int kFloatSlots = 96;
inline constexpr int kPulseSlots = 4;
inline constexpr int kLogicGroups = 16;
inline constexpr int kLogicUnits = 128;

// One channel: primary values, secondary values (pair-valued functions only)
// and whether the channel was saved.
template <typename T> struct ChannelSlot {
    std::vector<T> primary;
    std::vector<T> secondary;
    bool saved = false;

    void clear()
    {
        primary = {};
        secondary = {};
        saved = false;
    }
};

// Classic logic units of 4 probes, 8 units to a 32-bit word: unit j lives in
// bits 4*(j%8) .. 4*(j%8)+3 of group j/8.
struct LogicGroupTable {
    std::array<ChannelSlot<std::uint32_t>, kLogicGroups> groups {}; // saved = group present
    bool logicPresent = false;
    std::array<bool, kLogicUnits> unitSaved {};

    void clear()
    {
        for (auto& g : groups)
            g.clear();
        logicPresent = false;
        unitSaved.fill(false);
    }
};

struct ChannelTables {
    std::vector<ChannelSlot<std::uint16_t>> analog = std::vector<ChannelSlot<std::uint16_t>>(kAnalogSlots);
    std::vector<ChannelSlot<std::uint32_t>> logic = std::vector<ChannelSlot<std::uint32_t>>(kLogicSlots);
    std::vector<ChannelSlot<float>> floats = std::vector<ChannelSlot<float>>(kFloatSlots);
    std::array<ChannelSlot<std::uint16_t>, kPulseSlots> pulse {};
    LogicGroupTable logicGroups;

    void clear()
    {
        for (auto& s : analog)
            s.clear();
        for (auto& s : logic)
            s.clear();
        for (auto& s : floats)
            s.clear();
        for (auto& s : pulse)
            s.clear();
        logicGroups.clear();
    }
};

} // namespace kp
