#pragma once
// "Save All" and "Save Between Cursors" of the open document: the record in
// memory written as one text file, or divided into numbered files.

#include "export/ExportOptions.h"
#include "export/FileDivision.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kp {

class CKpDoc;
class ProgressWindow;
class UserMessages;

struct SaveAsTextRequest {
    std::filesystem::path path; // the chosen file
    // Points first ... last, both included (cursor A and B); -1, -1: all.
    std::int64_t first = -1;
    std::int64_t last = -1;
    int thinOut = 1;
    int notation = kNotationSeconds;
    ExportHeaderOptions header;
    int headerType = kHeaderChannelNumbers;
    int format = kFormatCsv;
    bool crlf = false;
    int pointsPerFile = 0; // 0: one file; else divide into numbered files of this many kept points
    int maxNameCounter = kMaxNameCounter; // the highest "-%03d" suffix a divided file may take
};

struct SaveAsTextResult {
    int filesWritten = 0; // files written completely
    bool completed = false; // every file was written; false after an error or a cancel
    // Every file written completely, in order; a divided save names its
    // numbered files here, never the chosen path.
    std::vector<std::filesystem::path> paths;
};

// Writes the document's record; every file gets the full header section.
// Failures are shown through messages (the output that could not be created,
// a full disk, numbered names exhausted); a cancel confirmed in the progress
// window stops and keeps what was written.
SaveAsTextResult SaveAsText(
    const CKpDoc& doc, const SaveAsTextRequest& request, UserMessages& messages, ProgressWindow& progress);

} // namespace kp
