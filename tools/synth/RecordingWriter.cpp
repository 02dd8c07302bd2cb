#include "synth/RecordingWriter.h"

#include <fstream>
#include <stdexcept>
#include <string>

#include "synth/BinaryScalingWriter.h"
#include "synth/FamilyWriter.h"
#include "wavefile/ModelTables.h"

namespace kp::synth {

int RecordingFamily(const Recording& recording)
{
    if (recording.model == "4756" || recording.model == "4229" || recording.model == "4756/4229")
        return 4;
    return HeaderFamilyFromVersion(VersionText(recording));
}

std::vector<std::uint8_t> WriteRecording(const Recording& recording)
{
    const int family = RecordingFamily(recording);
    if (family != 5 && !recording.eventComments.empty())
        throw std::invalid_argument("family " + std::to_string(family) + " stores no event comments");
    CheckBinaryScaling(recording, family);
    switch (family) {
    case 0:
        return WriteFamily0(recording);
    case 1:
        return WriteFamily1(recording);
    case 2:
        return WriteFamily2(recording);
    case 3:
        return WriteFamily3(recording);
    case 4:
        return WriteFamily4(recording);
    case 5:
        return WriteFamily5(recording);
    case 6:
        return WriteFamily6(recording);
    case 7:
        return WriteFamily7(recording);
    case 8:
        return WriteFamily8(recording);
    case 9:
        return WriteFamily9(recording);
    default:
        break;
    }
    throw std::invalid_argument("no header family for version " + VersionText(recording));
}

void WriteRecordingFile(const Recording& recording, const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> bytes = WriteRecording(recording);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot create " + path.string());
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace kp::synth
