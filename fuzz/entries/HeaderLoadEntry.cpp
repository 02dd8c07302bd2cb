#include "FuzzEntries.h"

#include <span>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp::fuzz {

void RunHeaderLoad(const std::uint8_t* data, std::size_t size)
{
    CWaveHeadInfo head;
    try {
        if (!head.Load(std::span<const std::uint8_t>(data, size)))
            return;
    } catch (const ShortReadError&) {
        return;
    }
    // Touch what the readers derive from the records.
    (void)head.GetDataLength();
    for (int slot = 0; slot < head.GetAnalogCount(); ++slot) {
        (void)head.GetChannelDataCount(slot);
        (void)head.GetChannelSavePosition(slot);
    }
    (void)head.GetModelName();
    (void)head.GetFunctionMode();
}

} // namespace kp::fuzz
