#include "app/BatchConversion.h"

#include "export/ConvertWaveFile.h"
#include "export/TextFileOutput.h"
#include "platform/MappedFile.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/CheckFile.h"
#include "wavefile/SampleLayout.h"
#include "wavefile/TableAllocation.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

namespace kp {

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kProgressPerFile = 1000;

bool Exists(const fs::path& path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// The first free name of folder/title.ext, title-000.ext ... title-1000.ext;
// names handed to earlier files of the batch count as taken.
fs::path FreeOutputName(
    const fs::path& folder, const fs::path& source, std::string_view extension, const std::set<fs::path>& reserved)
{
    auto taken = [&](const fs::path& p) { return reserved.count(p) != 0 || Exists(p); };
    const std::string title = source.stem().string();
    fs::path output = folder / (title + std::string(extension));
    if (!taken(output))
        return output;
    for (int n = 0; n <= kMaxOutputSuffix; ++n) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "-%03d", n);
        output = folder / (title + suffix + std::string(extension));
        if (!taken(output))
            return output;
    }
    return {};
}

// A conversion's own window onto the batch: its steps are counted for the
// batch's progress, and Cancel of the batch stops it at its next step.
class WorkerProgress final : public ProgressWindow {
public:
    explicit WorkerProgress(const std::atomic<bool>& cancel)
        : cancel_(cancel)
    {
    }
    void begin(const std::string&, const std::string&, std::int64_t range) override
    {
        range_ = std::max<std::int64_t>(range, 1);
    }
    void setText(const std::string&) override { }
    void setPosition(std::int64_t position) override { steps_ = position; }
    bool step() override
    {
        ++steps_;
        return !cancel_.load(std::memory_order_relaxed);
    }
    void end() override { }
    // Per mille of the file done.
    std::int64_t done() const
    {
        return std::clamp<std::int64_t>(steps_.load() * kProgressPerFile / range_.load(), 0, kProgressPerFile - 1);
    }

private:
    const std::atomic<bool>& cancel_;
    std::atomic<std::int64_t> range_ { 1 };
    std::atomic<std::int64_t> steps_ { 0 };
};

// Keeps what a conversion reports, so that the summary can say why a file
// did not convert; nothing is shown from a worker thread.
class CollectedMessages final : public UserMessages {
public:
    MessageAnswer show(const std::string& text, MessageButtons, MessageIcon) override
    {
        if (!text_.empty())
            text_ += ' ';
        text_ += OneLine(text);
        return MessageAnswer::Ok;
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Why a conversion that said nothing did not convert: the file check
// refuses most such files without a word.
std::string SilentFailure(const fs::path& source)
{
    CBlockFileList unused;
    SilentMessages silent;
    if (CheckFile(source, {}, unused, silent) != kFileWaveform)
        return OneLine(KpFormat(IDS_NOT_WAVEFORM_FILE, source.string()));
    return "The conversion stopped.";
}

struct Job {
    std::size_t index = 0;
    std::uint64_t memory = 0;
};

class Batch {
public:
    Batch(const BatchRequest& request, const WaveFileConverter& converter)
        : request_(request)
        , converter_(converter)
    {
    }

    BatchResult run(ProgressWindow& progress)
    {
        planOutputs();
        const int workers = workerCount();
        progress.begin(std::string(KpString(IDS_CONVERTING)), statusText(),
            static_cast<std::int64_t>(jobs_.size()) * kProgressPerFile);
        {
            std::vector<std::jthread> threads;
            for (int i = 0; i < workers; ++i)
                threads.emplace_back([this] { work(); });
            std::unique_lock lock(mutex_);
            while (finished_ < jobs_.size()) {
                changed_.wait_for(lock, std::chrono::milliseconds(100));
                const std::int64_t at = position();
                const std::string text = statusText();
                lock.unlock();
                progress.setText(text);
                progress.setPosition(at - 1);
                const bool goOn = progress.step();
                lock.lock();
                if (!goOn && !cancel_) {
                    cancel_ = true;
                    result_.cancelled = true;
                    memoryFreed_.notify_all();
                }
            }
        }
        progress.end();
        return std::move(result_);
    }

private:
    void planOutputs()
    {
        std::set<fs::path> reserved;
        const std::string_view extension = ExtensionForFormat(request_.options.format);
        for (std::size_t i = 0; i < request_.sources.size(); ++i) {
            BatchFileResult file;
            file.source = request_.sources[i];
            const fs::path folder = request_.outputFolder.empty() ? file.source.parent_path() : request_.outputFolder;
            file.output = FreeOutputName(folder, file.source, extension, reserved);
            if (file.output.empty()) {
                file.outcome = BatchOutcome::NamesTaken;
                file.reason = KpString(IDS_FILE_ALREADY_EXISTS);
                file.reason += ' ';
                file.reason += (folder / (file.source.stem().string() + std::string(extension))).string();
            } else {
                reserved.insert(file.output);
                jobs_.push_back({ i, ConversionMemory(file.source) });
            }
            result_.files.push_back(std::move(file));
            progress_.push_back(std::make_unique<WorkerProgress>(cancel_));
        }
    }

    int workerCount() const
    {
        int n = request_.workers > 0 ? request_.workers : static_cast<int>(std::thread::hardware_concurrency());
        return std::clamp(n, 1, std::max(1, static_cast<int>(jobs_.size())));
    }

    void work()
    {
        for (;;) {
            Job job;
            {
                std::unique_lock lock(mutex_);
                // Files start in order; the next one waits until enough
                // memory is free, and one above the budget converts alone.
                memoryFreed_.wait(lock, [&] {
                    return cancel_ || next_ >= jobs_.size() || inFlight_ == 0
                        || inFlight_ + jobs_[next_].memory <= request_.memoryBudget;
                });
                if (cancel_) {
                    // The files not started yet are done with.
                    finished_ += jobs_.size() - next_;
                    next_ = jobs_.size();
                    changed_.notify_all();
                    return;
                }
                if (next_ >= jobs_.size())
                    return;
                job = jobs_[next_++];
                inFlight_ += job.memory;
            }
            convert(job);
            {
                std::lock_guard lock(mutex_);
                inFlight_ -= job.memory;
                ++finished_;
            }
            memoryFreed_.notify_all();
            changed_.notify_all();
        }
    }

    void convert(const Job& job)
    {
        BatchFileResult& file = result_.files[job.index];
        ConversionRequest request = request_.options;
        request.source = file.source;
        request.output = file.output;
        request.start = request.end = -1;
        // The check's own message says why a file is refused; it goes into
        // the summary, not onto the screen.
        request.checkFile = true;
        request.showErrors = true;
        request.append = false;
        CollectedMessages messages;
        WorkerProgress& progress = *progress_[job.index];
        progress.setPosition(0);
        running(job.index, true);
        const bool converted = converter_(request, messages, progress);
        running(job.index, false);
        std::lock_guard lock(mutex_);
        done_ += kProgressPerFile;
        if (converted) {
            file.outcome = BatchOutcome::Converted;
        } else if (cancel_ && messages.text().empty()) {
            file.outcome = BatchOutcome::Cancelled;
        } else {
            file.outcome = BatchOutcome::Failed;
            file.reason = messages.text().empty() ? SilentFailure(file.source) : messages.text();
        }
    }

    void running(std::size_t index, bool on)
    {
        std::lock_guard lock(mutex_);
        if (on)
            running_.insert(index);
        else
            running_.erase(index);
    }

    // Called with the mutex held.
    std::int64_t position() const
    {
        std::int64_t p = done_;
        for (std::size_t i : running_)
            p += progress_[i]->done();
        return p;
    }

    std::string statusText() const
    {
        return std::to_string(done_ / kProgressPerFile) + " / " + std::to_string(jobs_.size());
    }

    const BatchRequest& request_;
    const WaveFileConverter& converter_;
    std::vector<Job> jobs_;
    std::vector<std::unique_ptr<WorkerProgress>> progress_;
    BatchResult result_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::condition_variable memoryFreed_;
    std::size_t next_ = 0;
    std::size_t finished_ = 0;
    std::uint64_t inFlight_ = 0;
    std::int64_t done_ = 0;
    std::set<std::size_t> running_;
    std::atomic<bool> cancel_ { false };
};

} // namespace

int BatchResult::Count(BatchOutcome outcome) const
{
    return static_cast<int>(
        std::count_if(files.begin(), files.end(), [&](const BatchFileResult& f) { return f.outcome == outcome; }));
}

bool BatchResult::LastConverted() const
{
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        if (it->outcome != BatchOutcome::NotStarted)
            return it->outcome == BatchOutcome::Converted;
    }
    return false;
}

std::uint64_t ConversionMemory(const fs::path& source)
{
    std::uint64_t bytes = TextFileOutput::kDefaultBlockSize;
    MappedFile file;
    if (!file.open(source))
        return bytes;
    try {
        CWaveHeadInfo head;
        if (!head.Load(file.bytes()))
            return bytes;
        const SampleLayout layout = DescribeSamples(head);
        const std::int64_t points = std::min(layout.MaxPoints(), kConversionBlockPoints);
        const std::uint64_t tables = TableBytes(layout, 0, std::max<std::int64_t>(points, 0));
        return tables > kBatchMemoryBudget ? kBatchMemoryBudget : bytes + tables;
    } catch (...) {
        return bytes;
    }
}

BatchResult RunBatchConversion(
    const BatchRequest& request, const WaveFileConverter& converter, ProgressWindow& progress)
{
    return Batch(request, converter).run(progress);
}

std::string BatchSummaryText(const BatchResult& result)
{
    std::string text;
    if (!result.AllConverted())
        text = std::string(KpString(IDS_COULD_NOT_CONVERT_ALL)) + "\n";
    text += "Converted " + std::to_string(result.Count(BatchOutcome::Converted)) + " of "
        + std::to_string(result.files.size()) + " files" + (result.cancelled ? " (cancelled)." : ".") + "\n";
    for (const BatchFileResult& f : result.files) {
        text += f.source.string();
        switch (f.outcome) {
        case BatchOutcome::Converted:
            text += " -> " + f.output.string();
            break;
        case BatchOutcome::NamesTaken:
            text += ": skipped. " + f.reason;
            break;
        case BatchOutcome::Failed:
            text += ": not converted. " + f.reason;
            break;
        case BatchOutcome::Cancelled:
            text += ": cancelled; what was written stays in " + f.output.string();
            break;
        case BatchOutcome::NotStarted:
            text += ": not converted (cancelled before its turn).";
            break;
        }
        text += '\n';
    }
    return text;
}

} // namespace kp
