#include "export/ConvertWaveFile.h"

#include "export/ExportRecordings.h"
#include "platform/LocaleInfo.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <iostream>

namespace kp {
namespace {

TEST(ConvertWaveFile, Dump)
{
    ScopedLocale locale({ '.', ',', "HH:mm:ss", true });
    test::ScratchFolder dir;
    const auto source = test::WriteExportRecording(test::ExportFamily1(8), dir / "A.MEM");
    ConversionRequest request;
    request.source = source;
    request.output = dir / "A.CSV";
    request.showErrors = true;
    RecordingMessages messages;
    NullProgress progress;
    EXPECT_TRUE(ConvertWaveFile(request, messages, progress));
    for (auto& m : messages.shown())
        std::cout << "MSG " << m.text << "\n";
    std::cout << test::ReadWholeFile(dir / "A.CSV");
}

} // namespace
} // namespace kp
