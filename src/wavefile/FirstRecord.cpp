#include "wavefile/FirstRecord.h"

#include <fstream>
#include <system_error>

namespace kp {

bool ReadFirstRecord(const std::filesystem::path& path, HeaderRecord& record)
{
    record.fill(0);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(record.size()));
    if (in.bad()) {
        record.fill(0);
        return false;
    }
    return true;
}

} // namespace kp
