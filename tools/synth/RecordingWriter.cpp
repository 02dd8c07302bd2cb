#include "synth/RecordingWriter.h"

#include <fstream>
#include <stdexcept>
#include <string>

#include "synth/FamilyWriter.h"

namespace kp::synth {

namespace {

// The family of a version text: its first four characters, then its first six.
// TODO(samples): use HeaderFamilyFromVersion of interpret/ModelTables.h once it is in main.
int FamilyOfVersion(std::string version)
{
    while (!version.empty() && (version.back() == ' ' || version.back() == '\0'))
        version.pop_back();
    const std::string four = version.substr(0, 4);
    const std::string six = version.substr(0, 6);
    if (four == "3518")
        return 0;
    if (four == "3384")
        return 2;
    if (four == "3019" || four == "5303")
        return 3;
    if (four == "5595" || four == "3945")
        return 5;
    if (four == "5228" || four == "5191" || four == "5210")
        return 6;
    if (six == "QX4767")
        return 7;
    if (six == "QX3013")
        return 8;
    if (six == "QX3122" || six == "QX519T")
        return 9;
    return 1;
}

} // namespace

int RecordingFamily(const Recording& recording)
{
    if (recording.model == "4756" || recording.model == "4229" || recording.model == "4756/4229")
        return 4;
    return FamilyOfVersion(VersionText(recording));
}

std::vector<std::uint8_t> WriteRecording(const Recording& recording)
{
    switch (RecordingFamily(recording)) {
    case 0: return WriteFamily0(recording);
    case 1: return WriteFamily1(recording);
    case 2: return WriteFamily2(recording);
    case 3: return WriteFamily3(recording);
    case 4: return WriteFamily4(recording);
    case 5: return WriteFamily5(recording);
    case 6: return WriteFamily6(recording);
    case 7: return WriteFamily7(recording);
    case 8: return WriteFamily8(recording);
    case 9: return WriteFamily9(recording);
    default: break;
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
