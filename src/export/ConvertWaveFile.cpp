#include "export/ConvertWaveFile.h"

#include "export/ConversionRun.h"
#include "export/ExportPlan.h"
#include "export/RowWriter.h"
#include "export/SourceProblemText.h"
#include "export/TextFileOutput.h"
#include "platform/MappedFile.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/CheckFile.h"
#include "wavefile/PointsHeld.h"
#include "wavefile/SampleDecoder.h"
#include "wavefile/SampleLayout.h"
#include "wavefile/TableAllocation.h"

#include <algorithm>
#include <new>

namespace kp {

namespace {

class Converter {
public:
    Converter(const ConversionRequest& request, UserMessages& messages, ProgressWindow& progress)
        : request_(request)
        , messages_(messages)
        , progress_(progress)
        , show_(request.showErrors)
        , output_(request.output)
    {
    }

    bool run()
    {
        // Only waveform files convert; index files and the companion
        // application's files are refused by the check like unsupported ones.
        CBlockFileList blockFiles;
        const FileKind kind = CheckFile(request_.source, { .showMessages = request_.checkFile }, blockFiles, messages_);
        if (kind != kFileWaveform) {
            // The check accepts index files and the companion's files without
            // a word, but neither holds samples to convert.
            if (kind != kFileNotLoadable && request_.checkFile)
                showNotWaveform();
            return false;
        }

        MappedFile file;
        if (!file.open(request_.source)) {
            ShowUnableToOpen(request_.source, messages_, show_);
            return false;
        }
        // The header is read before the output is created, so a source that
        // turns out unreadable leaves no empty text file behind.
        CWaveHeadInfo head;
        try {
            if (!head.Load(file.bytes())) {
                showNotWaveform();
                return false;
            }
        } catch (const ShortReadError&) {
            showShortFile();
            return false;
        }
        if (!file.unchanged()) {
            showChanged();
            return false;
        }
        // The blocks are decoded one at a time, so the whole record is held
        // to the limit the load applies: a header that claims far more
        // points than its file could hold would otherwise write them all.
        const SampleLayout samples = DescribeSamples(head);
        if (!samples.noSampleData && !RangeFitsFile(samples, 0, samples.MaxPoints(), file.size())) {
            showShortFile();
            return false;
        }
        TextFileOutput out;
        if (request_.nextOutput && !request_.append) {
            if (!CreateOutput(out, output_, request_.nextOutput, messages_, show_))
                return false;
        } else if (!OpenOutput(out, output_, request_.append, messages_, show_)) {
            return false;
        }
        try {
            return convert(file, head, out);
        } catch (const ShortReadError&) {
            showShortFile();
        } catch (const std::bad_alloc&) {
            if (show_)
                messages_.show(std::string(KpString(IDS_MEMORY_INSUFFICIENT)), MessageButtons::Ok, MessageIcon::Error);
        }
        out.abandon();
        return false;
    }

private:
    void showShortFile()
    {
        if (show_)
            messages_.show(
                KpFormat(IDS_FILE_TOO_SHORT, request_.source.string()), MessageButtons::Ok, MessageIcon::Warning);
    }

    void showChanged()
    {
        if (show_)
            messages_.show(SourceChangedText(request_.source), MessageButtons::Ok, MessageIcon::Warning);
    }

    void showNotWaveform()
    {
        if (show_)
            messages_.show(
                KpFormat(IDS_NOT_WAVEFORM_FILE, request_.source.string()), MessageButtons::Ok, MessageIcon::Warning);
    }

    bool convert(const MappedFile& file, const CWaveHeadInfo& head, TextFileOutput& out)
    {
        const SampleLayout samples = DescribeSamples(head);
        const ExportChoices choices = [&] {
            ExportChoices c = ChoicesOf(request_);
            c.thinOut = std::clamp(c.thinOut, 1, 10000);
            return c;
        }();
        const std::int64_t step = choices.thinOut;
        const ExportPlan plan = BuildExportPlan(head, samples, choices);
        RowWriter writer(plan.layout);

        const std::int64_t points = samples.noSampleData ? 0 : samples.MaxPoints();
        PointRange range { 0, points - 1 };
        if (request_.start >= 0 || request_.end >= 0)
            range = { std::max<std::int64_t>(request_.start, 0), std::min(request_.end, points - 1) };

        // A cut-short file converts the points it holds in every saved
        // channel, and no row after them.
        const std::int64_t held = PointsHeld(head, file.bytes(), points);
        if (!file.unchanged()) {
            showChanged();
            out.abandon();
            return false;
        }
        const PointRange readable { range.first, std::min(range.last, held - 1) };

        progress_.begin(std::string(KpString(IDS_CONVERTING)), request_.source.string() + " -> " + output_.string(),
            ProgressSteps(readable.Rows(step)));
        const RunStatus status = out.append(plan.HeaderSection())
            ? writeBlocks(file, head, samples, writer, out, readable, step)
            : RunStatus::Failed;
        progress_.end();
        if (status == RunStatus::Failed) {
            ReportWriteError(out.error(), output_, messages_, show_);
            out.abandon();
            return false;
        }
        if (!FinishOutput(out, output_, messages_, show_) || status != RunStatus::Done)
            return false;
        if (readable.last < range.last) {
            if (show_)
                messages_.show(CutShortText(request_.source, std::max<std::int64_t>(0, readable.last - range.first + 1),
                                   range.last - range.first + 1),
                    MessageButtons::Ok, MessageIcon::Warning);
            return false;
        }
        return true;
    }

    // Blocks start on kept points, so a block holds whole steps of the thin-out.
    RunStatus writeBlocks(const MappedFile& file, const CWaveHeadInfo& head, const SampleLayout& samples,
        RowWriter& writer, TextFileOutput& out, PointRange range, std::int64_t step)
    {
        const std::int64_t blockPoints = std::max<std::int64_t>(step, kConversionBlockPoints / step * step);
        ChannelTables tables;
        ProgressedRows rows(progress_);
        for (std::int64_t first = range.first; first <= range.last; first += blockPoints) {
            const std::int64_t count = std::min(blockPoints, range.last - first + 1);
            const AllocateResult allocation = AllocateTables(samples, first, count, file.size(), tables);
            if (allocation.status == AllocateStatus::OutOfMemory)
                throw std::bad_alloc();
            if (allocation.status != AllocateStatus::Ok && allocation.status != AllocateStatus::NoSampleData) {
                showShortFile();
                return RunStatus::SourceFailed;
            }
            DecodeRequest decode { head, file.bytes(), tables, first, count, {}, {} };
            const DecodeResult decoded = DecodeSamples(decode);
            // Every point of the range was found in the file before the
            // blocks started; a block that now reads short, or reads pages
            // that are no longer the file, met a file that changed.
            if (decoded.status != DecodeStatus::Complete || !file.unchanged()) {
                showChanged();
                return RunStatus::SourceFailed;
            }
            writer.bind(tables, first);
            const RunStatus status = rows.write(writer, out, { first, first + count - 1 }, step);
            // The block's pages of the source are not needed again.
            file.discard(0, file.size());
            if (status != RunStatus::Done)
                return status;
        }
        return RunStatus::Done;
    }

    const ConversionRequest& request_;
    UserMessages& messages_;
    ProgressWindow& progress_;
    bool show_;
    std::filesystem::path output_; // the name the output got
};

} // namespace

bool ConvertWaveFile(const ConversionRequest& request, UserMessages& messages, ProgressWindow& progress)
{
    return Converter(request, messages, progress).run();
}

} // namespace kp
