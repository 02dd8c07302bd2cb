#pragma once
// Recognises a file from its first 512 bytes: what it is, whether this program
// can open it, and for an index file the list of waveform files it names.

#include <filesystem>
#include <string>

#include "platform/UserMessages.h"
#include "wavefile/BlockFileList.h"

namespace kp {

enum FileKind : int {
    kFileNotLoadable = 0,
    kFileWaveform = 1,
    kFileRecMemIndex = 2,
    kFileBlockIndex = 3,
    kFileRealtimeIndex = 4,
    kFileRmsMemIndex = 5,
    kFileLoggerWaveform = 6, // belongs to the companion application
};

struct CheckFileOptions {
    // A refusal shows one message; the result never depends on this.
    bool showMessages = false;
    // A realtime memory file is refused unless this is set.
    bool allowRealtime = false;
    // When given, receives the model text of a waveform file.
    std::string* modelOut = nullptr;
};

// Refusals return kFileNotLoadable. For an index file the listed files
// replace blockFiles; on any refusal blockFiles is left as it was.
FileKind CheckFile(const std::filesystem::path& path, const CheckFileOptions& options, CBlockFileList& blockFiles,
    UserMessages& messages);

// The waveform file that opening an index file of the given kind loads:
// REC&MEM and realtime indexes the current entry, block indexes the first
// selectable entry, RMS&memory indexes entry 0. Empty when the kind is not an
// index kind or the chosen entry's file does not exist.
std::filesystem::path ChooseFileToOpen(FileKind kind, const CBlockFileList& blockFiles);

} // namespace kp
