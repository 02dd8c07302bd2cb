#pragma once
// One entry per fuzz target: take arbitrary bytes, run them through the same
// code the application runs, and return normally whatever the bytes are.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kp::fuzz {

struct Entry {
    const char* name;
    void (*run)(const std::uint8_t* data, std::size_t size);
};

// The header records of a recording.
void RunHeaderLoad(const std::uint8_t* data, std::size_t size);
// The whole open of a recording through CKpDoc::OnOpenDocument (a bundle:
// the opened file and the files an index beside it may list).
void RunDocumentOpen(const std::uint8_t* data, std::size_t size);
// CheckFile on one file, with and without messages and realtime files.
void RunCheckFile(const std::uint8_t* data, std::size_t size);
// An index file and the files beside it (a bundle): CheckFile's block list
// and the file an open would choose.
void RunIndexRead(const std::uint8_t* data, std::size_t size);
// The unattended conversion of a recording (a bundle) to a text file.
void RunConvertText(const std::uint8_t* data, std::size_t size);

// Every entry, by target name (the replay test walks this list).
const std::vector<Entry>& Entries();

} // namespace kp::fuzz
