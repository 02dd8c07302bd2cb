// The unattended conversion of a recording to text, as the command line runs
// it, into the fuzz folder. The input's last byte picks the format, time
// notation, header parts and thin-out. A source the file check refuses must
// leave no output behind; a failure must say so; a success must leave a file.
#include "FuzzEntries.h"

#include <filesystem>
#include <system_error>

#include "FuzzBundle.h"
#include "FuzzChecks.h"
#include "FuzzFolder.h"
#include "export/ConvertWaveFile.h"
#include "export/ExportOptions.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CheckFile.h"
#include "wavefile/TableAllocation.h"

namespace kp::fuzz {

void RunConvertText(const std::uint8_t* data, std::size_t size)
{
    const Bundle bundle = SplitBundle({ data, size });
    auto& folder = FuzzFolder::Instance();
    const auto source = folder.writeBundle(bundle);
    const auto output = folder.path() / "OUTPUT.CSV";

    const std::uint8_t options = size > 0 ? data[size - 1] : 0;
    ConversionRequest request;
    request.source = source;
    request.output = output;
    request.format = options & 3;
    request.notation = (options >> 2) & 3;
    request.header.storeInfo = (options & 0x10) == 0;
    request.header.channelInfo = (options & 0x20) == 0;
    request.header.timeColumn = (options & 0x40) == 0;
    request.thinOut = (options & 0x80) != 0 ? 7 : 1;
    request.crlf = (options & 1) != 0;
    request.checkFile = true;
    request.showErrors = true;

    RecordingMessages messages;
    NullProgress progress;
    const bool converted = ConvertWaveFile(request, messages, progress);

    std::error_code ec;
    const bool written = std::filesystem::exists(output, ec);
    CBlockFileList blockFiles;
    RecordingMessages quiet;
    if (CheckFile(source, {}, blockFiles, quiet) != kFileWaveform) {
        Require(!converted, "a refused source does not convert");
        Require(!written, "a refused source leaves no output");
    }
    if (converted) {
        Require(written, "a conversion that succeeded leaves its output");
        Require(messages.shown().empty(), "a conversion that succeeded shows no message");
    } else {
        Require(!messages.shown().empty(), "a conversion that failed says why");
    }
    // A text row of a point is a few dozen bytes per channel; a file cannot
    // describe more points than its tables could fill.
    if (written) {
        const std::uint64_t outputBytes = std::filesystem::file_size(output, ec);
        Require(ec || outputBytes <= 64 * AllocationLimit(bundle.opened.size()),
            "the text stays in proportion to the recording");
    }
}

} // namespace kp::fuzz
