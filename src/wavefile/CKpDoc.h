#pragma once
// The one document: the header information and every sample array of the open
// recording, loaded whole at open time. The view, the exporter and the
// information windows only read from it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelTables.h"
#include "wavefile/CheckFile.h"

namespace kp {

class CBlockFileList;
class MappedFile;
class ProgressWindow;
class UserMessages;
struct SampleLayout;

// What the exporter keeps on the document between conversions.
struct ExportSettings {
    std::int64_t rangeStart = -1; // -1, -1: the whole record
    std::int64_t rangeEnd = -1;
    int thinOut = 1;
    int notation = 1;
    int option1 = 1;
    int option2 = 1;
};

class CKpDoc {
public:
    CKpDoc(UserMessages& messages, ProgressWindow& progress, CBlockFileList& blockFiles);
    CKpDoc(const CKpDoc&) = delete;
    CKpDoc& operator=(const CKpDoc&) = delete;

    // Recognises the file, resolves an index file to the waveform file it
    // lists, and loads that file. False when nothing was loaded; a file that
    // is refused before loading starts leaves the previous document as it was.
    bool OnOpenDocument(const std::filesystem::path& path);
    // Lets the views clean up, then empties the document.
    void OnCloseDocument();
    // Never modified: the document is not saved in a format of its own.
    bool IsModified() const { return false; }

    // Frees every sample array and clears the saved flags.
    void FreeSampleBuffers();

    // Hooks the application sets. The companion launcher receives
    // logger-family files; the flag reset runs at the start of every open.
    void SetCompanionLauncher(std::function<void(const std::filesystem::path&)> launch) { launch_ = std::move(launch); }
    void SetCompanionFlagReset(std::function<void()> reset) { resetCompanionFlag_ = std::move(reset); }
    // Runs whenever the document's content changed (load, failed load, close).
    void SetViewsChanged(std::function<void()> changed) { viewsChanged_ = std::move(changed); }
    // Runs first in OnCloseDocument (the view's clean-up).
    void SetCloseHook(std::function<void()> hook) { closeHook_ = std::move(hook); }
    // Runs when an open has passed the file check, just before the previous
    // record's arrays are freed: views that paint from them stop here, and
    // not earlier, so the record stays on screen behind a refusal.
    void SetReleaseHook(std::function<void()> hook) { releaseHook_ = std::move(hook); }

    // ------------------------------------------------------------- reading
    const CWaveHeadInfo& GetHeadInfo() const { return head_; }
    const ChannelTables& GetTables() const { return tables_; }
    const ChannelSlot<std::uint16_t>& GetAnalog(int slot) const
    {
        return tables_.analog.at(static_cast<std::size_t>(slot));
    }
    const ChannelSlot<std::uint32_t>& GetLogic(int slot) const
    {
        return tables_.logic.at(static_cast<std::size_t>(slot));
    }
    const ChannelSlot<float>& GetFloat(int slot) const { return tables_.floats.at(static_cast<std::size_t>(slot)); }
    const ChannelSlot<std::uint16_t>& GetPulse(int slot) const
    {
        return tables_.pulse.at(static_cast<std::size_t>(slot));
    }
    const LogicGroupTable& GetLogicGroups() const { return tables_.logicGroups; }

    int GetAnalogCount() const { return analogCount_; }
    int GetFloatCount() const { return floatCount_; }
    int GetPulseCount() const { return pulseCount_; }
    int GetLogicUnitCount() const { return logicUnitCount_; }
    int GetAuxCount() const { return auxCount_; }
    std::int64_t GetDataLength() const { return dataLength_; }
    // Points [0, GetPointsRead()) hold what every saved channel recorded;
    // below GetDataLength() when the file was cut short or changed while it
    // was read and the user kept the part that was read. Nothing at or after
    // it is a sample: views end there and saving stops there.
    std::int64_t GetPointsRead() const { return pointsRead_; }
    bool IsCutShort() const { return pointsRead_ < maxPoints_; }
    HeaderFamily GetHeaderFamily() const { return headerFamily_; }

    bool IsLoaded() const { return loaded_; }
    bool IsIndexFile() const { return indexFile_; }
    FileKind GetFileKind() const { return fileKind_; }
    bool IsLoadFailed() const { return loadFailed_; }
    bool HasExportError() const { return exportError_; }
    void SetExportError(bool error) { exportError_ = error; }
    const std::string& GetTitle() const { return title_; }
    // The file whose samples the document holds (empty when none).
    const std::filesystem::path& GetPathName() const { return pathName_; }
    // Changes with every load, failed load and close; views key caches on it.
    std::uint64_t GetRevision() const { return revision_; }

    ExportSettings& Export() { return export_; }
    const ExportSettings& Export() const { return export_; }

private:
    // The framework's load of one waveform file into the document; false sets LoadFailed.
    bool LoadWaveFile(const std::filesystem::path& path);
    bool LoadSamples(const std::filesystem::path& path, const MappedFile& file, const SampleLayout& layout);
    // The short-file question: true keeps what was read.
    bool AskKeepShortFile(const std::filesystem::path& path);
    void ShowMemoryMessage();
    void ShowShortFileError(const std::filesystem::path& path);
    // Back to the constructed state (hooks and export settings stay).
    void ResetToEmpty();
    void Changed();

    UserMessages& messages_;
    ProgressWindow& progress_;
    CBlockFileList& blockFiles_;
    std::function<void(const std::filesystem::path&)> launch_;
    std::function<void()> resetCompanionFlag_;
    std::function<void()> viewsChanged_;
    std::function<void()> closeHook_;
    std::function<void()> releaseHook_;

    CWaveHeadInfo head_;
    bool loaded_ = false;
    bool indexFile_ = false;
    FileKind fileKind_ = kFileNotLoadable;
    ChannelTables tables_;
    int analogCount_ = 0;
    int floatCount_ = 0;
    int pulseCount_ = 0;
    int logicUnitCount_ = 0;
    int auxCount_ = 0;
    std::int64_t dataLength_ = 0;
    std::int64_t maxPoints_ = 0;
    std::int64_t pointsRead_ = 0;
    HeaderFamily headerFamily_ = HeaderFamily::Family0;
    ExportSettings export_;
    bool loadFailed_ = false;
    bool exportError_ = false;
    std::string title_;
    std::filesystem::path pathName_;
    std::uint64_t revision_ = 0;
    bool progressOpen_ = false;
};

} // namespace kp
