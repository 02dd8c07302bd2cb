#pragma once
// What the open dialog shows about the file under the cursor before it is
// opened: title, instrument, function, length, time per division, sampling
// period, trigger date and time, and the saved channels. Read from the
// file's header alone, so a recording of gigabytes previews as fast as a
// small one.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kp {

class CWaveHeadInfo;

struct HeaderPreview {
    std::string fileName;
    std::string title;
    std::string instrument;
    std::string function;
    std::string shot;
    std::string count; // "(%d)" of the recordings in the file; empty when one
    std::string timePerDiv;
    std::string sampling;
    std::string trigDate;
    std::string trigTime;
    std::array<std::string, 3> savedChannels;
};

// The preview of a waveform file; nothing for a folder, a file that cannot be
// read, or a file that is not a waveform file this program opens.
std::optional<HeaderPreview> ReadHeaderPreview(const std::filesystem::path& path);

// The preview of a header that has been read.
HeaderPreview DescribeHeader(const CWaveHeadInfo& head);

// The runs of saved channels of one group of 16 (the most significant bit is
// channel 1): one channel "A1", two "A1,A2", three or more "A1-A3"; the first
// run written after a blank, later ones after a comma. first says whether a
// run of this group is the first of its line.
std::string CompressChannelMask(std::uint16_t mask, char letter, bool first = true);

} // namespace kp
