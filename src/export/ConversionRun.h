#pragma once
// What every conversion does around its rows: open the output, step the
// progress window every 500 rows (a confirmed Cancel stops the run and keeps
// what was written), and report how the output ended.

#include "export/FileDivision.h"
#include "platform/OutputFile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace kp {

class ProgressWindow;
class RowWriter;
class TextFileOutput;
class UserMessages;

// Failed: a write failed (the output is abandoned); SourceFailed: the source
// could not be read on (reported; what was written is kept).
enum class RunStatus { Done, Failed, SourceFailed, Cancelled };

// Rows between two steps of the progress window.
inline constexpr std::int64_t kRowsPerProgressStep = 500;

// Steps of the progress window for a number of rows.
inline std::int64_t ProgressSteps(std::int64_t rows)
{
    return rows / kRowsPerProgressStep + 1;
}

// Opens the output; shows "Unable to open the file." with the path when it
// cannot be created (and errors are shown).
bool OpenOutput(
    TextFileOutput& out, const std::filesystem::path& path, bool append, UserMessages& messages, bool showErrors);

// Creates the output under a name nobody else has: path, or when that is
// taken, the names next(taken) gives, until one is created; path then names
// it. "Unable to open the file." with the path when none could be created.
bool CreateOutput(TextFileOutput& out, std::filesystem::path& path,
    const std::function<std::filesystem::path(const std::filesystem::path&)>& next, UserMessages& messages,
    bool showErrors);

// Writes the rows of the points range.first, range.first + step, ... that lie
// in [range.first, range.last], continuing a count of rows that the progress
// window is stepped on.
class ProgressedRows {
public:
    explicit ProgressedRows(ProgressWindow& progress)
        : progress_(progress)
    {
    }
    RunStatus write(RowWriter& writer, TextFileOutput& out, PointRange range, std::int64_t step);

private:
    ProgressWindow& progress_;
    std::int64_t sinceStep_ = 0;
};

// Closes the output (writing what is buffered) and reports a failed write: a
// full disk shows "Disk full while converting to %s."; other errors show
// nothing. True when everything reached the file.
bool FinishOutput(TextFileOutput& out, const std::filesystem::path& path, UserMessages& messages, bool showErrors);

// "Unable to open the file." + "\n\n" + path, when errors are shown.
void ShowUnableToOpen(const std::filesystem::path& path, UserMessages& messages, bool showErrors);

// The output's error after a failed write, reported as FinishOutput does.
void ReportWriteError(WriteError error, const std::filesystem::path& path, UserMessages& messages, bool showErrors);

} // namespace kp
