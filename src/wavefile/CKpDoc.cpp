#include "wavefile/CKpDoc.h"

#include <new>

#include "platform/MappedFile.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "wavefile/ByteReader.h"
#include "wavefile/CheckFile.h"
#include "wavefile/PointsHeld.h"
#include "wavefile/SampleDecoder.h"
#include "wavefile/SampleLayout.h"
#include "wavefile/TableAllocation.h"

namespace kp {

CKpDoc::CKpDoc(UserMessages& messages, ProgressWindow& progress, CBlockFileList& blockFiles)
    : messages_(messages)
    , progress_(progress)
    , blockFiles_(blockFiles)
{
}

void CKpDoc::FreeSampleBuffers()
{
    tables_.clear();
}

void CKpDoc::Changed()
{
    ++revision_;
    if (viewsChanged_)
        viewsChanged_();
}

void CKpDoc::ResetToEmpty()
{
    FreeSampleBuffers();
    head_.Clear();
    loaded_ = false;
    indexFile_ = false;
    fileKind_ = kFileNotLoadable;
    analogCount_ = floatCount_ = pulseCount_ = logicUnitCount_ = auxCount_ = 0;
    dataLength_ = maxPoints_ = pointsRead_ = 0;
    headerFamily_ = HeaderFamily::Family0;
    title_.clear();
    pathName_.clear();
}

bool CKpDoc::OnOpenDocument(const std::filesystem::path& path)
{
    if (resetCompanionFlag_)
        resetCompanionFlag_();

    const FileKind kind = CheckFile(path, { .showMessages = true }, blockFiles_, messages_);
    std::filesystem::path chosen;
    bool indexFile = false;
    switch (kind) {
    case kFileWaveform:
        chosen = path;
        break;
    case kFileLoggerWaveform:
        if (launch_)
            launch_(path);
        return false;
    case kFileRecMemIndex:
    case kFileBlockIndex:
    case kFileRealtimeIndex:
    case kFileRmsMemIndex:
        indexFile = kind == kFileRealtimeIndex;
        chosen = ChooseFileToOpen(kind, blockFiles_);
        if (chosen.empty()) {
            messages_.show(std::string(KpString(IDS_FILE_NOT_FOUND)), MessageButtons::Ok, MessageIcon::Warning);
            return false;
        }
        break;
    default:
        return false;
    }

    // From here on the previous recording is gone, whatever happens.
    if (releaseHook_)
        releaseHook_();
    loaded_ = false;
    loadFailed_ = false;
    exportError_ = false;
    fileKind_ = kFileNotLoadable;
    FreeSampleBuffers();

    title_ = chosen.filename().string();
    progressOpen_ = false;
    if (!LoadWaveFile(chosen))
        loadFailed_ = true;
    if (progressOpen_)
        progress_.end();

    if (loadFailed_) {
        ResetToEmpty();
        Changed();
        return false;
    }
    loaded_ = true;
    indexFile_ = indexFile;
    fileKind_ = kind;
    pathName_ = chosen;
    Changed();
    return true;
}

void CKpDoc::OnCloseDocument()
{
    if (closeHook_)
        closeHook_();
    ResetToEmpty();
    Changed();
}

void CKpDoc::ShowMemoryMessage()
{
    messages_.show(std::string(KpString(IDS_MEMORY_INSUFFICIENT)), MessageButtons::Ok, MessageIcon::Error);
}

void CKpDoc::ShowShortFileError(const std::filesystem::path& path)
{
    messages_.show(KpFormat(IDS_FILE_TOO_SHORT, path.string()), MessageButtons::Ok, MessageIcon::Warning);
}

bool CKpDoc::AskKeepShortFile(const std::filesystem::path& path)
{
    return messages_.show(KpFormat(IDS_FILE_TOO_SHORT, path.string()), MessageButtons::OkCancel, MessageIcon::Warning)
        == MessageAnswer::Ok;
}

bool CKpDoc::LoadWaveFile(const std::filesystem::path& path)
{
    MappedFile file;
    if (!file.open(path)) {
        messages_.show(file.error(), MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    try {
        if (!head_.Load(file.bytes())) {
            messages_.show(KpFormat(IDS_NOT_WAVEFORM_FILE, path.string()), MessageButtons::Ok, MessageIcon::Warning);
            return false;
        }
        const SampleLayout layout = DescribeSamples(head_);
        analogCount_ = layout.analogPositions;
        floatCount_ = layout.floatCount;
        pulseCount_ = layout.pulseCount;
        logicUnitCount_ = layout.logicUnits;
        auxCount_ = layout.auxCount;
        dataLength_ = layout.dataLength;
        maxPoints_ = pointsRead_ = layout.MaxPoints();
        headerFamily_ = layout.family;
        return LoadSamples(path, file, layout);
    } catch (const ShortReadError&) {
        // The header itself is cut short: there are no samples to keep.
        ShowShortFileError(path);
    } catch (const std::bad_alloc&) {
        FreeSampleBuffers();
        ShowMemoryMessage();
    }
    return false;
}

bool CKpDoc::LoadSamples(const std::filesystem::path& path, const MappedFile& file, const SampleLayout& layout)
{
    const std::int64_t points = layout.MaxPoints();
    const AllocateResult allocation = AllocateTables(layout, 0, points, file.size(), tables_);
    switch (allocation.status) {
    case AllocateStatus::Ok:
        break;
    case AllocateStatus::NoSampleData:
        return true;
    case AllocateStatus::PulseUnderPairs:
        return false;
    case AllocateStatus::ZeroPointCount:
    case AllocateStatus::OutOfMemory:
        ShowMemoryMessage();
        return false;
    case AllocateStatus::TooLargeForFile:
        ShowShortFileError(path);
        return false;
    }

    progress_.begin(title_, std::string(KpString(IDS_LOADING)), ProgressRange(layout, points));
    progressOpen_ = true;
    DecodeRequest request { head_, file.bytes(), tables_, 0, points, [this] { return progress_.step(); }, {} };
    std::uint64_t released = 0;
    request.consumed = [&file, &released](std::uint64_t offset) {
        if (offset > released) {
            file.discard(released, offset - released);
            released = offset;
        }
    };
    const DecodeResult result = DecodeSamples(request);
    switch (result.status) {
    case DecodeStatus::Complete:
        if (file.unchanged())
            return true;
        break;
    case DecodeStatus::ShortFile:
        break;
    case DecodeStatus::Cancelled:
        return false;
    case DecodeStatus::Refused:
        ShowShortFileError(path);
        return false;
    }
    // Cut short, or changed while it was read: only what was read from the
    // file as it was opened counts.
    const std::uint64_t intact = file.unchanged() ? file.size() : file.intactSize();
    pointsRead_ = PointsHeld(head_, file.bytes().first(static_cast<std::size_t>(intact)), points);
    return AskKeepShortFile(path);
}

} // namespace kp
