#include "synth/FrameWriter.h"

#include <bit>
#include <stdexcept>

#include "wavefile/ByteReader.h"

namespace kp::synth {

namespace {

void Store(std::uint8_t* at, int size, std::uint32_t value)
{
    if (size == 4) {
        *at++ = static_cast<std::uint8_t>(value >> 24);
        *at++ = static_cast<std::uint8_t>(value >> 16);
    }
    *at++ = static_cast<std::uint8_t>(value >> 8);
    *at = static_cast<std::uint8_t>(value);
}

} // namespace

FrameImage LayOutFrames(const std::vector<FrameValue>& values, std::size_t points, bool pairs, int slack)
{
    if (slack < 0)
        throw std::invalid_argument("negative frame slack");
    const int factor = pairs ? 2 : 1;
    int used = 0;
    for (const FrameValue& v : values) {
        if ((v.size != 2 && v.size != 4) || v.primary.size() != points || (pairs && v.secondary.size() != points))
            throw std::invalid_argument("frame value without a value per point");
        used += v.size * factor;
    }
    FrameImage image;
    image.frameSize = used + slack;

    std::vector<int> offsets(values.size());
    int next = used;
    for (std::size_t k = 0; k < values.size(); ++k) {
        next -= values[k].size * factor;
        offsets[k] = next;
        image.entries.push_back(values[k].entry(next));
    }
    const std::size_t frame = static_cast<std::size_t>(image.frameSize);
    image.data.assign(frame * points, 0);
    for (std::size_t p = 0; p < points; ++p) {
        for (std::size_t k = 0; k < values.size(); ++k) {
            std::uint8_t* at = image.data.data() + p * frame + static_cast<std::size_t>(offsets[k]);
            Store(at, values[k].size, values[k].primary[p]);
            if (pairs)
                Store(at + values[k].size, values[k].size, values[k].secondary[p]);
        }
    }
    return image;
}

std::vector<std::uint32_t> ClassicLogicWords(const Recording& recording, int half, bool secondary, bool& any)
{
    const auto points = static_cast<std::size_t>(std::max<std::int64_t>(recording.dataLength, 0));
    std::vector<std::uint32_t> words(points, 0);
    any = false;
    for (const LogicUnitBlueprint& u : recording.logicUnits) {
        if (u.unit / 4 != half)
            continue;
        any = true;
        const auto& nibbles = secondary ? u.secondary : u.primary;
        if (nibbles.size() != points)
            throw std::invalid_argument("logic unit " + std::to_string(u.unit) + " without a value per point");
        for (std::size_t p = 0; p < points; ++p) {
            if (nibbles[p] > 0x0F)
                throw std::invalid_argument("logic unit " + std::to_string(u.unit) + " value above 4 bits");
            words[p] |= std::uint32_t { nibbles[p] } << (4 * (u.unit % 4));
        }
    }
    for (auto& w : words)
        w = ReverseNibbles16(static_cast<std::uint16_t>(w));
    return words;
}

std::vector<std::uint32_t> FloatBits(const std::vector<float>& values)
{
    std::vector<std::uint32_t> bits;
    bits.reserve(values.size());
    for (float f : values)
        bits.push_back(std::bit_cast<std::uint32_t>(f));
    return bits;
}

} // namespace kp::synth
