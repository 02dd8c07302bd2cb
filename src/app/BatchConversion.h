#pragma once
// Converting many waveform files from disk, each into its own text file of one
// output folder. Output names are chosen first, one file after another in the
// order given, so the names do not depend on which conversion finishes first;
// then the files convert side by side, each with its own bounded memory, while
// the calling thread keeps the progress window (and so the interface) alive. A
// file that fails does not stop the others; every file's result is kept.

#include "app/UnattendedConversion.h"
#include "export/ExportOptions.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kp {

class ProgressWindow;

// All conversions in flight together stay within this many bytes of sample
// tables and output buffers; a single file above it converts alone.
inline constexpr std::uint64_t kBatchMemoryBudget = std::uint64_t { 512 } << 20;

struct BatchRequest {
    std::vector<std::filesystem::path> sources;
    // The folder of the outputs; empty: each source's own folder.
    std::filesystem::path outputFolder;
    // Every option of the conversion except its source and output.
    ConversionRequest options;
    // 0: one per core.
    int workers = 0;
    std::uint64_t memoryBudget = kBatchMemoryBudget;
};

enum class BatchOutcome {
    Converted,
    NamesTaken, // every numbered output name exists: the file was skipped
    Failed, // the converter refused the file or stopped on an error
    Cancelled, // stopped by Cancel; what was written stays
    NotStarted, // Cancel came before the file's turn
};

struct BatchFileResult {
    std::filesystem::path source;
    std::filesystem::path output; // empty when no name was free
    BatchOutcome outcome = BatchOutcome::NotStarted;
    std::string reason; // what the converter reported, on one line
};

struct BatchResult {
    std::vector<BatchFileResult> files;
    bool cancelled = false;

    int Count(BatchOutcome outcome) const;
    bool AllConverted() const
    {
        return !files.empty() && Count(BatchOutcome::Converted) == static_cast<int>(files.size());
    }
    // Whether the last file handled converted (opening the output folder follows it).
    bool LastConverted() const;
};

// The bytes one conversion of the file holds at a time: one block of decoded
// points and the output buffer. A file whose header cannot be read counts
// the output buffer only (its conversion stops at the header).
std::uint64_t ConversionMemory(const std::filesystem::path& source);

// Runs the batch. progress is stepped from the calling thread only; a
// confirmed Cancel stops the conversions in flight and starts no more.
BatchResult RunBatchConversion(
    const BatchRequest& request, const WaveFileConverter& converter, ProgressWindow& progress);

// One line per file, after a line that counts the converted files (and,
// when any file did not convert, "Could not convert all files." first);
// plain text that the user can copy.
std::string BatchSummaryText(const BatchResult& result);

} // namespace kp
