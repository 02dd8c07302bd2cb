// The channels of the view: visibility commands, "Fi&xed" (per-channel values
// kept from file to file), and the traces handed to the painter.

#include "display/CKpView.h"

#include "app/KpSettings.h"

#include <QFontMetrics>

#include <algorithm>

namespace kp {

namespace {

QColor ToQColor(const RgbColour& c)
{
    return QColor(c.red, c.green, c.blue);
}

template <typename Channel> bool IsPresent(const std::vector<Channel>& channels, int index)
{
    return std::any_of(channels.begin(), channels.end(), [index](const Channel& c) { return c.index == index; });
}

template <typename Channel> bool SetAll(const std::vector<Channel>& channels, ChannelClassState& state, bool shown)
{
    bool changed = false;
    for (const Channel& c : channels) {
        if (c.index < 0 || c.index >= state.capacity())
            continue;
        const auto i = static_cast<std::size_t>(c.index);
        changed |= state.shown[i] != shown;
        state.shown[i] = shown;
    }
    return changed;
}

} // namespace

void CKpView::ChannelsEdited()
{
    viewport()->update();
    emit channelsChanged();
}

void CKpView::ToggleAnalogChannel(int channel)
{
    if (!loaded_ || !IsPresent(record_->analog, channel))
        return;
    auto&& shown = channels_.analog.shown[static_cast<std::size_t>(channel)];
    shown = !shown;
    ChannelsEdited();
}

void CKpView::ToggleLogicChannel(int channel)
{
    if (!loaded_ || !IsPresent(record_->logic, channel))
        return;
    auto&& shown = channels_.logic.shown[static_cast<std::size_t>(channel)];
    shown = !shown;
    ChannelsEdited();
}

void CKpView::ToggleLogicGroup(int group)
{
    if (!loaded_)
        return;
    bool anyPresent = false, anyHidden = false;
    for (int c = 4 * group; c < 4 * group + 4; ++c) {
        if (c < 0 || c >= channels_.logic.capacity() || !IsPresent(record_->logic, c))
            continue;
        anyPresent = true;
        anyHidden |= !channels_.logic.shown[static_cast<std::size_t>(c)];
    }
    if (!anyPresent)
        return;
    for (int c = 4 * group; c < 4 * group + 4; ++c) {
        if (IsPresent(record_->logic, c))
            channels_.logic.shown[static_cast<std::size_t>(c)] = anyHidden;
    }
    ChannelsEdited();
}

void CKpView::ShowAllChannels(bool shown)
{
    if (!loaded_)
        return;
    bool changed = SetAll(record_->analog, channels_.analog, shown);
    changed |= SetAll(record_->pulse, channels_.pulse, shown);
    changed |= SetAll(record_->logic, channels_.logic, shown);
    changed |= SetAll(record_->calc, channels_.calc, shown);
    if (changed)
        ChannelsEdited();
}

void CKpView::ToggleDrawOrder()
{
    own_.drawReverseOrder = !own_.drawReverseOrder;
    viewport()->update();
}

void CKpView::ToggleFixed()
{
    if (!own_.useProfileSetting) {
        own_.useProfileSetting = true;
        channels_.ReadProfile(store_);
    } else {
        own_.useProfileSetting = false;
        channels_.WriteProfile(store_);
        if (record_) {
            // Colour, zoom and position from the header again; what is shown
            // stays as the user left it.
            for (const ValueChannel& c : record_->analog)
                ChannelDisplayState::ApplyHeader(
                    channels_.analog, c.index, c.header, DefaultChannelColour(c.index), false);
            for (const ValueChannel& c : record_->calc)
                ChannelDisplayState::ApplyHeader(
                    channels_.calc, c.index, c.header, DefaultChannelColour(c.index), false);
            for (const ValueChannel& c : record_->pulse)
                ChannelDisplayState::ApplyHeader(
                    channels_.pulse, c.index, c.header, DefaultChannelColour(c.index), false);
            for (const LogicChannel& c : record_->logic) {
                if (c.index < 0 || c.index >= channels_.logic.capacity())
                    continue;
                const auto i = static_cast<std::size_t>(c.index);
                channels_.logic.colour[i] = c.header.colour.value_or(DefaultLogicColour(c.index));
                channels_.logic.zoom[i] = c.header.zoom;
                channels_.logic.position[i] = c.header.position;
            }
        }
    }
    ChannelsEdited();
}

void CKpView::RestoreHeaderDisplay(int channelClass, int index)
{
    if (!record_)
        return;
    auto restore = [&](const std::vector<ValueChannel>& list, ChannelClassState& state) {
        for (const ValueChannel& c : list) {
            if (c.index == index)
                ChannelDisplayState::ApplyHeader(state, index, c.header, DefaultChannelColour(index), false);
        }
    };
    switch (channelClass) {
    case 0:
        restore(record_->analog, channels_.analog);
        break;
    case 1:
        restore(record_->pulse, channels_.pulse);
        break;
    case 3:
        restore(record_->calc, channels_.calc);
        break;
    default:
        break;
    }
    ChannelsEdited();
}

// ------------------------------------------------------------ paint params

void CKpView::FillValueTraces(
    std::vector<ValueTrace>& out, const std::vector<ValueChannel>& channels, const ChannelClassState& state) const
{
    for (const ValueChannel& c : channels) {
        if (c.index < 0 || c.index >= state.capacity() || !c.primary)
            continue;
        const auto i = static_cast<std::size_t>(c.index);
        if (!state.shown[i])
            continue;
        ValueTrace t;
        t.coding = c.coding;
        t.scaling = c.scaling;
        t.zoom = state.zoom[i];
        t.position = state.position[i];
        t.colour = ToQColor(state.colour[i]);
        t.name = QString::fromStdString(c.name);
        t.primary = c.primary.get();
        t.secondary = c.secondary.get();
        out.push_back(t);
    }
}

void CKpView::FillLogicTraces(PaintParams& p) const
{
    int lastUnit = -1;
    for (const LogicChannel& c : record_->logic) {
        if (c.index < 0 || c.index >= channels_.logic.capacity())
            continue;
        const auto i = static_cast<std::size_t>(c.index);
        const LogicColumns* words = record_->LogicGroup(c.index / 32);
        if (!channels_.logic.shown[i] || !words)
            continue;
        LogicTrace t;
        t.words = words;
        t.secondary = record_->LogicGroupSecondary(c.index / 32);
        t.bit = c.index % 32;
        t.heightFraction = channels_.logic.zoom[i];
        t.position = channels_.logic.position[i];
        t.colour = ToQColor(channels_.logic.colour[i]);
        p.logic.push_back(t);
        const int traceIndex = static_cast<int>(p.logic.size()) - 1;
        if (record_->namePerLogicChannel) {
            p.logicNames.push_back({ QString::fromStdString(c.name), traceIndex, t.colour });
        } else if (c.index / 4 != lastUnit) {
            lastUnit = c.index / 4;
            const auto unit = static_cast<std::size_t>(lastUnit);
            const std::string name = unit < record_->logicUnitNames.size() ? record_->logicUnitNames[unit] : c.name;
            // Model 15 marks each name that stands for a group with brackets.
            p.logicNames.push_back({ QString::fromStdString(name), traceIndex, p.textColour, record_->modelId == 15 });
        }
    }
}

PaintParams CKpView::BuildPaintParams(const QRect& logicalClip) const
{
    PaintParams p;
    p.clientWidth = viewport()->width();
    p.clientHeight = viewport()->height();
    p.scrollX = ScrollX();
    p.clip = logicalClip;
    p.background = ToQColor(settings_.waveBackColor);
    p.gridColour = ToQColor(settings_.waveGridColor);
    p.textColour = ToQColor(settings_.waveCharColor);
    p.font = font_;
    if (!loaded_ || !record_)
        return p;

    p.points = record_->points;
    p.pointsPerColumn = PointsPerColumn();
    p.trigger = record_->hasTrigger && record_->trigger >= 0 ? record_->trigger : 0;
    p.smallDivision = geometry_.smallDivision;
    p.divisionsPerHalf = geometry_.divisionsPerHalf;
    p.pointsPerDivision = static_cast<int>(std::clamp<std::int64_t>(record_->pointsPerDivision1, 1, 1 << 30));
    p.grid = settings_.gridType;
    p.style = settings_.waveStyle;
    p.penWidth = std::clamp(settings_.wavePenWidth, 1, 16);
    p.drawDiv = settings_.drawDiv;
    p.drawChannel = settings_.drawChannel;
    p.reverseOrder = own_.drawReverseOrder;

    FillValueTraces(p.calc, record_->calc, channels_.calc);
    FillValueTraces(p.analog, record_->analog, channels_.analog);
    FillValueTraces(p.pulse, record_->pulse, channels_.pulse);
    FillLogicTraces(p);

    p.dotRows = dotRows_.get();

    p.labelText = [this](std::int64_t j) { return LabelText(j); };

    MarkParams& m = p.marks;
    m.drawTrigger = settings_.drawTrigMark;
    m.drawCursors = settings_.drawSaveMark;
    m.hasTrigger = record_->hasTrigger;
    m.trigger = record_->trigger;
    m.hasPostTrigger = record_->hasPostTrigger;
    m.postTrigger = record_->postTrigger;
    m.events = record_->events;
    m.currentEvent = currentEvent_;
    m.cursorA = cursorA_;
    m.cursorB = cursorB_;
    m.triggerColour = ToQColor(own_.triggerMark);
    m.postTriggerColour = ToQColor(own_.postTriggerMark);
    m.eventColour = ToQColor(own_.eventMark);
    m.currentEventColour = ToQColor(own_.currentEventMark);
    m.cursorAColour = ToQColor(own_.saveStartMark);
    m.cursorBColour = ToQColor(own_.saveEndMark);
    return p;
}

} // namespace kp
