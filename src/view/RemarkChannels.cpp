#include "view/RemarkChannels.h"

#include "view/ChannelDisplayState.h"
#include "view/ViewRecord.h"

namespace kp {

std::vector<RemarkChannel> RemarkChannelsOf(const ViewRecord& record, const ChannelDisplayState& state)
{
    std::vector<RemarkChannel> out;
    auto values = [&](const std::vector<ValueChannel>& channels, const ChannelClassState& cls, RemarkClass kind) {
        for (const ValueChannel& c : channels) {
            if (c.index < 0 || c.index >= cls.capacity())
                continue;
            const auto i = static_cast<std::size_t>(c.index);
            out.push_back({ kind, c.index, c.name, cls.shown[i], cls.zoom[i], cls.position[i] });
        }
    };
    values(record.analog, state.analog, RemarkClass::Analog);
    values(record.pulse, state.pulse, RemarkClass::Pulse);
    values(record.calc, state.calc, RemarkClass::Calc);
    // The logic channels come in channel order, the probes of a unit together.
    for (const LogicChannel& c : record.logic) {
        if (c.index < 0 || c.index >= state.logic.capacity())
            continue;
        const int unit = c.index / 4;
        const bool shown = state.logic.shown[static_cast<std::size_t>(c.index)];
        if (!out.empty() && out.back().kind == RemarkClass::LogicUnit && out.back().index == unit) {
            out.back().shown = out.back().shown && shown;
            continue;
        }
        const std::string name = unit < static_cast<int>(record.logicUnitNames.size())
            ? record.logicUnitNames[static_cast<std::size_t>(unit)]
            : c.name;
        out.push_back({ RemarkClass::LogicUnit, unit, name, shown, 1.0, 0.0 });
    }
    return out;
}

} // namespace kp
