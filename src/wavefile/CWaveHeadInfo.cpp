#include "wavefile/CWaveHeadInfo.h"

namespace kp {

CWaveHeadInfo::CWaveHeadInfo()
{
    Clear();
}

void CWaveHeadInfo::Clear()
{
    valid_ = false;
    headerSize_ = 0;
    headerFamily_ = HeaderFamily::Family1;
    modelId_ = 0;
    analogCount_ = floatCount_ = pulseCount_ = logicUnitCount_ = auxCount_ = 0;
    main_.fill(0);
    oldHeader_.clear();
    waveHeader1_ = system_ = fft_ = gps_ = Slot {};
    waveHeader2_.clear();
    channel_.assign(kChannelHeaderSlots, Slot {});
    channel02_.assign(kChannelHeaderSlots, Slot {});
    float_.assign(kFloatHeaderSlots, Slot {});
    float02_.assign(kFloatHeaderSlots, Slot {});
    pulse_.assign(kPulseHeaderSlots, Slot {});
    pulse02_.assign(kPulseHeaderSlots, Slot {});
    logic_.assign(kLogicHeaderSlots, Slot {});
    logic02_.assign(kLogicHeaderSlots, Slot {});
    eventMark_.assign(26, Slot {});
    tagged_.clear();
    channelMarker_.fill(false);
    logicUnitMarker_.fill(false);
}

std::span<const std::uint8_t> CWaveHeadInfo::OldHeader() const
{
    return oldHeader_;
}

const HeaderRecord* CWaveHeadInfo::SlotRecord(const std::vector<Slot>& slots, int index)
{
    if (index < 0 || index >= static_cast<int>(slots.size()) || !slots[index].present)
        return nullptr;
    return &slots[index].record;
}

const HeaderRecord* CWaveHeadInfo::WaveHeader1() const
{
    return waveHeader1_.present ? &waveHeader1_.record : nullptr;
}
const HeaderRecord* CWaveHeadInfo::WaveHeader2(int index) const
{
    if (index < 0 || index >= static_cast<int>(waveHeader2_.size()))
        return nullptr;
    return &waveHeader2_[index];
}
const HeaderRecord* CWaveHeadInfo::SystemHeader() const
{
    return system_.present ? &system_.record : nullptr;
}
const HeaderRecord* CWaveHeadInfo::FftHeader() const
{
    return fft_.present ? &fft_.record : nullptr;
}
const HeaderRecord* CWaveHeadInfo::GpsHeader() const
{
    return gps_.present ? &gps_.record : nullptr;
}
const HeaderRecord* CWaveHeadInfo::ChannelHeader(int slot) const
{
    return SlotRecord(channel_, slot);
}
const HeaderRecord* CWaveHeadInfo::ChannelHeader02(int slot) const
{
    return SlotRecord(channel02_, slot);
}
const HeaderRecord* CWaveHeadInfo::FloatHeader(int slot) const
{
    return SlotRecord(float_, slot);
}
const HeaderRecord* CWaveHeadInfo::FloatHeader02(int slot) const
{
    return SlotRecord(float02_, slot);
}
const HeaderRecord* CWaveHeadInfo::PulseHeader(int slot) const
{
    return SlotRecord(pulse_, slot);
}
const HeaderRecord* CWaveHeadInfo::PulseHeader02(int slot) const
{
    return SlotRecord(pulse02_, slot);
}
const HeaderRecord* CWaveHeadInfo::LogicHeader(int slot) const
{
    return SlotRecord(logic_, slot);
}
const HeaderRecord* CWaveHeadInfo::LogicHeader02(int slot) const
{
    return SlotRecord(logic02_, slot);
}
const HeaderRecord* CWaveHeadInfo::EventMarkHeader(int slot) const
{
    return SlotRecord(eventMark_, slot);
}

std::vector<const HeaderRecord*> CWaveHeadInfo::RecordsTagged(const std::string& tag) const
{
    std::vector<const HeaderRecord*> out;
    for (const auto& t : tagged_)
        if (t.tag == tag)
            out.push_back(&t.record);
    return out;
}

// The chunked family marks channels of its own; the load records them.
void CWaveHeadInfo::SetChannelMarker(int ch, bool flagged)
{
    if (ch >= 0 && ch < kChannelHeaderSlots)
        channelMarker_[static_cast<std::size_t>(ch)] = flagged;
}

void CWaveHeadInfo::SetLogicUnitMarker(int unit, bool flagged)
{
    if (unit >= 0 && unit < kLogicHeaderSlots)
        logicUnitMarker_[static_cast<std::size_t>(unit)] = flagged;
}

} // namespace kp
