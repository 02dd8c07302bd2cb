#pragma once
// A recording written by the recording writer and opened into a document, as
// the windows see it.

#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "support/ScratchFolder.h"
#include "synth/RecordingWriter.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kp::test {

struct OpenedRecording {
    RecordingMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    CKpDoc doc { messages, progress, blockFiles };
    ScratchFolder dir;

    explicit OpenedRecording(const synth::Recording& r, const std::string& name = "T.MEM")
    {
        const auto path = dir / name;
        synth::WriteRecordingFile(r, path);
        const bool opened = doc.OnOpenDocument(path);
        EXPECT_TRUE(opened) << (messages.shown().empty() ? "(no message)" : messages.shown()[0].text);
    }
};

} // namespace kp::test
