#include "export/ConversionRun.h"

#include "export/RowWriter.h"
#include "export/TextFileOutput.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"

#include <algorithm>

namespace kp {

namespace {

// More than the names any numbering scheme hands out for one output.
constexpr int kMaxCreateTries = 200000;

} // namespace

void ShowUnableToOpen(const std::filesystem::path& path, UserMessages& messages, bool showErrors)
{
    if (showErrors)
        messages.show(
            std::string(KpString(IDS_UNABLE_TO_OPEN)) + "\n\n" + path.string(), MessageButtons::Ok, MessageIcon::Error);
}

bool OpenOutput(
    TextFileOutput& out, const std::filesystem::path& path, bool append, UserMessages& messages, bool showErrors)
{
    if (!path.empty() && out.open(path, append))
        return true;
    ShowUnableToOpen(path, messages, showErrors);
    return false;
}

bool CreateOutput(TextFileOutput& out, std::filesystem::path& path,
    const std::function<std::filesystem::path(const std::filesystem::path&)>& next, UserMessages& messages,
    bool showErrors)
{
    // Every name is tried once at most: the chooser never hands out a name
    // twice unless it was removed again in between.
    for (int tries = 0; tries <= kMaxCreateTries && !path.empty(); ++tries) {
        const OpenResult opened = out.open(path, OutputMode::CreateNew);
        if (opened == OpenResult::Opened)
            return true;
        if (opened != OpenResult::Exists || !next)
            break;
        std::filesystem::path following = next(path);
        if (following.empty())
            break;
        path = std::move(following);
    }
    ShowUnableToOpen(path, messages, showErrors);
    return false;
}

RunStatus ProgressedRows::write(RowWriter& writer, TextFileOutput& out, PointRange range, std::int64_t step)
{
    std::int64_t rows = range.Rows(step);
    std::int64_t point = range.first;
    while (rows > 0) {
        const std::int64_t n = std::min(rows, kRowsPerProgressStep - sinceStep_);
        if (!writer.writeRows(out, point, step, n))
            return RunStatus::Failed;
        point += n * step;
        rows -= n;
        sinceStep_ += n;
        if (sinceStep_ == kRowsPerProgressStep) {
            sinceStep_ = 0;
            if (!progress_.step())
                return RunStatus::Cancelled;
        }
    }
    return RunStatus::Done;
}

void ReportWriteError(WriteError error, const std::filesystem::path& path, UserMessages& messages, bool showErrors)
{
    if (error == WriteError::DiskFull && showErrors)
        messages.show(KpFormat(IDS_DISK_FULL, path.string()), MessageButtons::Ok, MessageIcon::Error);
}

bool FinishOutput(TextFileOutput& out, const std::filesystem::path& path, UserMessages& messages, bool showErrors)
{
    const WriteError error = out.finish();
    ReportWriteError(error, path, messages, showErrors);
    return error == WriteError::None;
}

} // namespace kp
