#pragma once
// A main frame on in-memory settings, recorded messages and a silent progress
// window, and recordings written by the recording writer.

#include "app/KpSettings.h"
#include "display/CMainFrame.h"
#include "platform/ProgressWindow.h"
#include "platform/SettingsStore.h"
#include "platform/UserMessages.h"
#include "support/ScratchFolder.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"
#include "wavefile/BlockFileList.h"

#include <QApplication>

#include <memory>

namespace kp::test {

struct FrameHarness {
    KpSettings settings = KpSettings::Defaults();
    MemorySettingsStore store;
    RecordingMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    std::unique_ptr<CMainFrame> frame;

    FrameHarness() { Create(); }
    void Create()
    {
        // Sized by its "Placement" setting, as on a first start without one.
        frame
            = std::make_unique<CMainFrame>(FrameServices { settings, store, messages, progress, blockFiles, QFont() });
    }
    void Show()
    {
        frame->show();
        QApplication::processEvents();
    }
    // Closes the frame (it writes its keys) and destroys it (the view writes its keys).
    void CloseAndDestroy()
    {
        frame->close();
        frame.reset();
    }
};

// The demo recording (8 analog channels, 4 logic units) of `points` points.
inline std::filesystem::path WriteDemo(const ScratchFolder& dir, const std::string& name, std::int64_t points = 20000)
{
    const auto path = dir / name;
    synth::WriteRecordingFile(synth::DemoRecording(1, points), path);
    return path;
}

inline QString Q(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

} // namespace kp::test
