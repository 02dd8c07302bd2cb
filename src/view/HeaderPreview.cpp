#include "view/HeaderPreview.h"

#include "export/ExportTexts.h"
#include "format/SiFormat.h"
#include "format/TextTrim.h"
#include "platform/MappedFile.h"
#include "platform/UserMessages.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/CheckFile.h"
#include "wavefile/HeaderRecord.h"
#include "wavefile/SampleLayout.h"

#include <system_error>

namespace kp {

namespace {

std::string Channel(char letter, int n)
{
    return std::string(1, letter) + std::to_string(n);
}

// Saved positions of groups [firstGroup, lastGroup) as runs lettered from 'A'.
std::string AnalogLine(const SampleLayout& layout, int firstGroup, int lastGroup)
{
    std::string line;
    for (int g = firstGroup; g < lastGroup; ++g) {
        std::uint16_t mask = 0;
        for (int c = 0; c < 16; ++c) {
            const int slot = g * 16 + c;
            if (slot < layout.analogPositions && layout.analogSaved[static_cast<std::size_t>(slot)])
                mask = static_cast<std::uint16_t>(mask | (0x8000u >> c));
        }
        line += CompressChannelMask(mask, static_cast<char>('A' + g), line.empty());
    }
    return line;
}

std::string OthersLine(const SampleLayout& layout)
{
    std::string line;
    auto add = [&line](const std::string& item) { line += (line.empty() ? " " : ",") + item; };
    for (int u = 0; u < static_cast<int>(layout.unitSaved.size()); ++u) {
        if (layout.unitSaved[static_cast<std::size_t>(u)])
            add("L" + std::to_string(u + 1));
    }
    for (int p = 0; p < static_cast<int>(layout.pulseSaved.size()); ++p) {
        if (layout.pulseSaved[static_cast<std::size_t>(p)])
            add("P" + std::to_string(p + 1));
    }
    for (int z = 0; z < static_cast<int>(layout.floatSaved.size()); ++z) {
        if (layout.floatSaved[static_cast<std::size_t>(z)])
            add("Z" + std::to_string(z + 1));
    }
    return line;
}

} // namespace

std::string CompressChannelMask(std::uint16_t mask, char letter, bool first)
{
    std::string out;
    int c = 1;
    while (c <= 16) {
        if (!(mask & (0x8000u >> (c - 1)))) {
            ++c;
            continue;
        }
        int last = c;
        while (last < 16 && (mask & (0x8000u >> last)))
            ++last;
        out += first ? " " : ",";
        first = false;
        if (last == c)
            out += Channel(letter, c);
        else
            out += Channel(letter, c) + (last == c + 1 ? "," : "-") + Channel(letter, last);
        c = last + 1;
    }
    return out;
}

HeaderPreview DescribeHeader(const CWaveHeadInfo& head)
{
    HeaderPreview p;
    p.title = RecordTitle(head);
    p.instrument = head.GetModelName(true, false);
    p.function = head.GetFunctionText();
    p.shot = head.GetShotText();
    p.timePerDiv = head.GetTimePerDivText();
    if (!head.IsExternalSampling())
        p.sampling = FormatSiValue(head.GetSamplingInterval(), false, true, 3) + "s";
    p.trigDate = TrimBoth(FieldText(head.MainRecord(), 7));
    p.trigTime = TrimBoth(FieldText(head.MainRecord(), 8));
    const SampleLayout layout = DescribeSamples(head);
    p.savedChannels[0] = AnalogLine(layout, 0, 2);
    p.savedChannels[1] = AnalogLine(layout, 2, (layout.analogPositions + 15) / 16);
    p.savedChannels[2] = OthersLine(layout);
    return p;
}

std::optional<HeaderPreview> ReadHeaderPreview(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    CBlockFileList unused;
    SilentMessages silent;
    if (CheckFile(path, {}, unused, silent) != kFileWaveform)
        return std::nullopt;
    MappedFile file;
    if (!file.open(path))
        return std::nullopt;
    try {
        CWaveHeadInfo head;
        if (!head.Load(file.bytes()))
            return std::nullopt;
        HeaderPreview p = DescribeHeader(head);
        p.fileName = path.filename().string();
        return p;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace kp
