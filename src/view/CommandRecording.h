#pragma once
// A recording opened for a command-line printer (`kp --trace`, `kp --info`):
// the same checks and load as the viewer's open, without a window, a
// question or a progress bar, and the one line that says why it failed.

#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "view/ViewRecord.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"

#include <filesystem>
#include <memory>
#include <string>

namespace kp {

class CommandRecording {
public:
    CommandRecording() = default;
    CommandRecording(const CommandRecording&) = delete;
    CommandRecording& operator=(const CommandRecording&) = delete;

    // Loads the file; "" when it opened, otherwise the line for stderr,
    // "kp: FILE: reason\n".
    std::string Open(const std::filesystem::path& file);

    const CKpDoc& Doc() const { return doc_; }
    // Valid after a successful Open.
    const ViewRecord& Record() const { return *record_; }

private:
    SilentMessages messages_;
    NullProgress progress_;
    CBlockFileList blockFiles_;
    CKpDoc doc_ { messages_, progress_, blockFiles_ };
    std::unique_ptr<ViewRecord> record_;
};

} // namespace kp
