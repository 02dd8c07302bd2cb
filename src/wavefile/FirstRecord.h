#pragma once
// The first 512 bytes of a file, read with plain file I/O. Used to recognise a
// file and to pick the texts of the files an index lists, without mapping or
// reading anything more.

#include <filesystem>

#include "wavefile/HeaderRecord.h"

namespace kp {

// Fills record with the file's first 512 bytes; a shorter file leaves the rest
// zero. False when the path is not a regular file (a directory, a device, a
// pipe that could block) or cannot be opened or read; record is then all zero.
bool ReadFirstRecord(const std::filesystem::path& path, HeaderRecord& record);

} // namespace kp
