#include "synth/RecordingWriter.h"

#include <fstream>
#include <stdexcept>
#include <string>

#include "synth/BinaryScalingWriter.h"
#include "synth/FamilyWriter.h"
#include "wavefile/ModelTables.h"

namespace kp::synth {

HeaderFamily RecordingFamily(const Recording& recording)
{
    if (recording.model == "4756" || recording.model == "4229" || recording.model == "4756/4229")
        return HeaderFamily::Family4;
    return HeaderFamilyFromVersion(VersionText(recording));
}

std::vector<std::uint8_t> WriteRecording(const Recording& recording)
{
    const HeaderFamily family = RecordingFamily(recording);
    if (family != HeaderFamily::Family5 && !recording.eventComments.empty())
        throw std::invalid_argument("family " + std::to_string(FamilyNumber(family)) + " stores no event comments");
    CheckBinaryScaling(recording, family);
    switch (family) {
    case HeaderFamily::Family0:
        return WriteFamily0(recording);
    case HeaderFamily::Family1:
        return WriteFamily1(recording);
    case HeaderFamily::Family2:
        return WriteFamily2(recording);
    case HeaderFamily::Family3:
        return WriteFamily3(recording);
    case HeaderFamily::Family4:
        return WriteFamily4(recording);
    case HeaderFamily::Family5:
        return WriteFamily5(recording);
    case HeaderFamily::Family6:
        return WriteFamily6(recording);
    case HeaderFamily::Family7:
        return WriteFamily7(recording);
    case HeaderFamily::Family8:
        return WriteFamily8(recording);
    case HeaderFamily::Family9:
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
