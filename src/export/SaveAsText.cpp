#include "export/SaveAsText.h"

#include "export/ConversionRun.h"
#include "export/ExportPlan.h"
#include "export/FileDivision.h"
#include "export/RowWriter.h"
#include "export/TextFileOutput.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/SampleLayout.h"

#include <algorithm>
#include <new>

namespace kp {

namespace {

PointRange RangeOf(const SaveAsTextRequest& request, std::int64_t points)
{
    if (request.first < 0 && request.last < 0)
        return { 0, points - 1 };
    return { std::max<std::int64_t>(request.first, 0), std::min(request.last, points - 1) };
}

} // namespace

SaveAsTextResult SaveAsText(
    const CKpDoc& doc, const SaveAsTextRequest& request, UserMessages& messages, ProgressWindow& progress)
{
    SaveAsTextResult result;
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const SampleLayout samples = DescribeSamples(head);
    ExportChoices choices;
    choices.format = request.format;
    choices.crlf = request.crlf;
    choices.notation = request.notation;
    choices.header = request.header;
    choices.headerType = request.headerType;
    choices.thinOut = std::clamp(request.thinOut, 1, 10000);
    const std::int64_t step = choices.thinOut;

    // A record kept after a short read is saved up to where it was read.
    const PointRange range = RangeOf(request, doc.GetPointsRead());
    std::vector<PointRange> files = DivideRange(range, choices.thinOut, request.pointsPerFile);
    if (files.empty())
        files.push_back(range); // no points: the header section alone
    std::int64_t totalRows = 0;
    for (const PointRange& f : files)
        totalRows += f.Rows(step);

    try {
        const ExportPlan plan = BuildExportPlan(head, samples, choices);
        const std::string header = plan.HeaderSection();
        RowWriter writer(plan.layout);
        writer.bind(doc.GetTables(), 0);
        NumberedNames names(request.path, request.maxNameCounter);

        progress.begin(std::string(KpString(IDS_CONVERTING)), doc.GetTitle() + " -> " + request.path.string(),
            ProgressSteps(totalRows));
        ProgressedRows rows(progress);
        for (const PointRange& f : files) {
            std::filesystem::path path = request.path;
            TextFileOutput out;
            if (files.size() > 1) {
                // Each numbered name is created only when free, so a save
                // running side by side never shares a file with this one: a
                // name it took first moves the counter on.
                auto name = names.next();
                bool opened = false;
                while (name) {
                    const OpenResult result = out.open(*name, OutputMode::CreateNew);
                    if (result != OpenResult::Exists) {
                        opened = result == OpenResult::Opened;
                        break;
                    }
                    name = names.next();
                }
                if (!name) {
                    messages.show(std::string(KpString(IDS_FILE_ALREADY_EXISTS)) + "\n\n" + names.lastTried().string(),
                        MessageButtons::Ok, MessageIcon::Error);
                    break;
                }
                path = *name;
                if (!opened) {
                    ShowUnableToOpen(path, messages, true);
                    break;
                }
            } else if (!OpenOutput(out, path, false, messages, true)) {
                break;
            }
            RunStatus status = out.append(header) ? rows.write(writer, out, f, step) : RunStatus::Failed;
            if (status == RunStatus::Failed) {
                // Nothing more reaches the file after a failed write.
                ReportWriteError(out.error(), path, messages, true);
                out.abandon();
                break;
            }
            if (!FinishOutput(out, path, messages, true))
                break;
            if (status == RunStatus::Cancelled)
                break;
            ++result.filesWritten;
            result.paths.push_back(path);
        }
        result.completed = result.filesWritten == static_cast<int>(files.size());
    } catch (const std::bad_alloc&) {
        messages.show(std::string(KpString(IDS_MEMORY_INSUFFICIENT)), MessageButtons::Ok, MessageIcon::Error);
    }
    progress.end();
    return result;
}

} // namespace kp
