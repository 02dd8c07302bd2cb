#pragma once
// The header information of one recording: every header record the file
// carries, in fixed slots with presence flags, and the numbers derived from
// them (family, model, counts). Reading lives in wavefile/, the interpreting
// accessors (models, scaling, names, setting texts) in interpret/; every one
// of them is a const member so that the view, the exporter and the
// information windows share one answer.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "wavefile/ChannelScale.h"
#include "wavefile/ChunkedHeader.h"
#include "wavefile/HeaderFamily.h"
#include "wavefile/HeaderRecord.h"
#include "wavefile/ModuleKind.h"
#include "wavefile/TriggerKind.h"

namespace kp {

inline constexpr int kChannelHeaderSlots = 352;
inline constexpr int kFloatHeaderSlots = 96;
inline constexpr int kPulseHeaderSlots = 4;
inline constexpr int kLogicHeaderSlots = 128;
inline constexpr std::size_t kOldHeaderSize = 2048;

class CWaveHeadInfo {
public:
    CWaveHeadInfo();

    // ---------------------------------------------------------------- reading
    // (wavefile/CWaveHeadInfo.cpp)

    // Clears every slot and count.
    void Clear();

    // Reads the header records at the start of the file. Returns false when the
    // file is neither a waveform nor a settings file (valid flag cleared).
    // Throws ShortReadError when the file ends inside the header.
    bool Load(std::span<const std::uint8_t> file);

    bool IsValid() const { return valid_; }
    // Byte offset in the file where the header ends.
    std::uint64_t GetHeaderSize() const { return headerSize_; }

    HeaderFamily GetHeaderFamily() const { return headerFamily_; }
    int GetModelId() const { return modelId_; }
    int GetAnalogCount() const { return analogCount_; }
    int GetFloatCount() const { return floatCount_; }
    int GetPulseCount() const { return pulseCount_; }
    int GetLogicUnitCount() const { return logicUnitCount_; }
    int GetAuxCount() const { return auxCount_; }

    // The main record (the file's first record); all zero for family 4.
    const HeaderRecord& MainRecord() const { return main_; }
    // The 2048-byte old header of family 4 (empty span otherwise).
    std::span<const std::uint8_t> OldHeader() const;

    // Records by slot; nullptr when the file carries none there.
    const HeaderRecord* WaveHeader1() const;
    const HeaderRecord* WaveHeader2(int index) const; // 0..7, file order
    int GetWaveHeader2Count() const { return static_cast<int>(waveHeader2_.size()); }
    const HeaderRecord* SystemHeader() const;
    const HeaderRecord* FftHeader() const;
    const HeaderRecord* GpsHeader() const;
    const HeaderRecord* ChannelHeader(int slot) const; // "HC", "HU"
    const HeaderRecord* ChannelHeader02(int slot) const; // "HC02", "HC_02"
    const HeaderRecord* FloatHeader(int slot) const; // "HR", "HZ", "HV"
    const HeaderRecord* FloatHeader02(int slot) const;
    const HeaderRecord* PulseHeader(int slot) const; // "HJ", "HK"
    const HeaderRecord* PulseHeader02(int slot) const;
    const HeaderRecord* LogicHeader(int slot) const; // "HL", "HG"
    const HeaderRecord* LogicHeader02(int slot) const;
    const HeaderRecord* EventMarkHeader(int slot) const; // "HPE", by byte 8
    // Binary and list records stored whole, in file order, by their tag
    // ("HX", "HP3518", "HM", "HPF", "HOF", "HPT5228", "HPD5228", "HPV", "HOV",
    // "HE3019", "HE-QX3013", "HBA", "HBP", "HBL"); prefix tags by their prefix.
    std::vector<const HeaderRecord*> RecordsTagged(const std::string& tag) const;

    // Sample points per channel: main record field 6; family 4 from its old
    // header (halved for the pair-valued functions).
    std::int64_t GetDataLength() const;
    // Family 2 keeps a data count and a block position per channel in its
    // save-position records ("HBA" analog, "HBP" power, "HBL" logic). The count
    // is the data length elsewhere; the position is the block's byte offset in
    // the file (the record stores 512-byte units), -1 where none is recorded.
    std::int64_t GetChannelDataCount(int slot) const;
    std::int64_t GetChannelSavePosition(int slot) const;
    std::int64_t GetLogicSavePosition(int unit) const;

    // -------------------------------------------------- models and functions
    // (interpret/ModelName.cpp, interpret/FunctionMode.cpp,
    // interpret/RecordTexts.cpp, interpret/TimePerDiv.cpp)

    // The model name (without instrument number) as the model tables use it.
    std::string GetModelName() const;
    // fullName: family 8 names the hardware record's model and family 3 the
    // system record's long name when it holds one. withNumber appends
    // "(No.<instrument number>)" when the header holds a number.
    std::string GetModelName(bool fullName, bool withNumber) const;
    // The instrument's serial number as stored, "" where the header holds none.
    std::string GetInstrumentNumber() const;
    // The FunctionCode after the family's replacements.
    int GetFunctionMode() const;
    // The function as the properties window and the open dialog show it.
    std::string GetFunctionText() const;
    // The record length ("Shot") as shown.
    std::string GetShotText() const;

    // Seconds per time-axis division; for external sampling the points per
    // division (the time axis then counts samples).
    double GetTimePerDiv() const;
    // Sample points per time-axis division; never below 1. displayValue asks
    // for what the screen showed (family 7 realtime recordings: 100).
    int GetTimeAxisDataNum(bool displayValue = false) const;
    // The record was sampled by an external clock.
    bool IsExternalSampling() const;
    // The record stores a sampling interval where others store the time per
    // division (family 3, and model 4267 under RMS).
    bool HasSamplingIntervalText() const;
    // The "Time/DIV" text ("500us/DIV", "EXTERNAL"), or under
    // HasSamplingIntervalText the sampling interval text as stored.
    std::string GetTimePerDivText() const;
    // Seconds between two sample points: the stored interval under
    // HasSamplingIntervalText, else time per division / points per division.
    double GetSamplingInterval() const;

    // ------------------------------------------------------------- scaling
    // (interpret/Scaling*.cpp, interpret/ModuleKind.cpp, interpret/UnitText.cpp)
    // Every accessor takes a 0-based channel index and never fails: an absent
    // or empty field gives the documented default, a text that is not a
    // number reads as 0. The chunked family (5) keeps value per code, offset,
    // zero code, calculation values and drawing codes per division in its
    // per-channel settings chunk (interpret/Family5Scaling.h); a channel
    // without an entry gets the defaults (value per code 1 x vernier, offset
    // 0, zero code -32768).

    // The input module kind: index into the module name table (families 1, 2,
    // 5-9), 10-14 for the logger inputs of family 3, 128 otherwise.
    ModuleKind GetModuleKind(int ch) const;

    double GetRangePerDiv(int ch) const;
    int GetCodesPerDiv(int ch) const;
    int GetDisplayCodesPerDiv(int ch) const;
    double GetVernier(int ch) const;
    double GetProbeRatio(int ch) const;
    int GetInvertSign(int ch) const;
    double GetValuePerCode(int ch) const;
    double GetOffsetValue(int ch) const;
    bool IsScalingOn(int ch) const;
    double GetScalingRatio(int ch) const;
    double GetScalingOffset(int ch) const;
    std::int64_t GetZeroCode(int ch) const;
    bool IsCalcChannel(int ch) const;
    bool IsZeroReferenced(int ch) const;
    bool IsCountMode(int ch) const;
    // The channel's samples are 32-bit codes (the GPS and calculation slots of
    // families 8 and 9, and channels whose sample bits read 32).
    bool IsWideChannel(int ch) const;
    // The sample bits text of the channel record as a number (0 when absent).
    int GetSampleBits(int ch) const;
    int GetDisplayDigits(int ch) const;
    double GetCalcValuePerCode(int ch) const;
    double GetCalcOffset(int ch) const;

    // The one conversion of raw codes to physical values (see ChannelScale).
    ChannelScale GetChannelScale(int ch) const;
    double GetPhysicalValue(int ch, std::uint16_t code) const;
    double GetPhysicalValueWide(int ch, std::uint32_t code) const;

    // Texts shown as stored: range (field 4), mode (field 16), scaling on/off
    // ("-" for calculated channels), unit with its escapes rewritten.
    std::string GetRangeText(int ch) const;
    std::string GetModeText(int ch) const;
    std::string GetScalingText(int ch) const;
    std::string GetUnitText(int ch) const;

    // Pulse channels (index p).
    bool IsPulseScalingOn(int p) const;
    double GetPulseValuePerCount(int p) const;
    double GetPulseOffset(int p) const;
    double GetPulseScalingRatio(int p) const;
    double GetPulseScalingOffset(int p) const;
    PulseScale GetPulseScale(int p) const;
    double GetPulseValue(int p, std::uint16_t count) const;
    std::string GetPulseUnitText(int p) const;
    // The pulse full-scale integer: the whole part of the pulse record's range
    // text (field 4, "1000", "5k"), at least 1 (also when not given).
    int GetPulseFullScale(int p) const;

    // -------------------------------------------------------- channel names
    // (interpret/ChannelNames.cpp, interpret/LogicNames.cpp)
    // Styles: 0 full identifier, 1 without the prefix, 2 full with the
    // marker (logic: the unit alone), 3 without prefix with the marker (logic:
    // the bare prefix); family 5 logic also has 4 and 5.

    std::string GetChannelName(int ch, int style = 0) const;
    std::string GetFloatChannelName(int z) const;
    std::string GetPulseChannelName(int p) const;
    std::string GetLogicChannelName(int l, int style = 0) const;
    // "%s[%s]": the style-0 name and the unit text.
    std::string GetChannelNameWithUnit(int ch) const;
    // "*" for a channel or logic unit that the file flags (family 5: the
    // channel belongs to the second data set), else "".
    std::string GetChannelMarker(int ch) const;
    std::string GetLogicUnitMarker(int unit) const;
    // Set by the load of the chunked family from its frame descriptions.
    void SetChannelMarker(int ch, bool flagged);
    void SetLogicUnitMarker(int unit, bool flagged);

    // -------------------------------------------------------- setting texts
    // (interpret/TriggerKinds.cpp, interpret/TriggerTexts.cpp,
    // interpret/SystemTexts.cpp, interpret/TriggerPoint.cpp)
    // Missing texts read "-".

    std::string GetTriggerMode() const;
    TriggerKind GetTriggerKind(int ch) const;
    // Families 7 and 8 keep filter and level in the channel's second record;
    // primaryRecord asks for the first record's fields instead.
    std::string GetTriggerFilter(int ch, bool primaryRecord = false) const;
    std::string GetTriggerLevel(int ch, bool primaryRecord = false) const;
    std::string GetTriggerSettingText(int ch) const;
    // The pre-trigger (or, under REC, trigger timing) setting as stored;
    // family 4 prints its percentage "%d%%".
    std::string GetPreTriggerText() const;
    // The system tab's items 0-13 ("Start Backup" ... "Auto Save").
    std::string GetSystemSettingText(int item) const;
    // 0-4: "SINGLE", "DUAL", "QUAD", "X-Y", "X-Y QUAD".
    int GetWaveFormatIndex() const;
    // 0 for a standard-width screen, 1 otherwise.
    int GetScreenFlag() const;
    // The point at which the time axis is 0, and the post-trigger point; 0
    // with the flag false where the header stores none.
    std::int64_t GetTriggerPoint() const;
    bool HasTriggerPoint() const;
    std::int64_t GetPostTriggerPoint() const;
    bool HasPostTriggerPoint() const;

    // ------------------------------------------------------ chunked family
    // (wavefile/ChunkTableOfContents.cpp, wavefile/ChunkInfoArea.cpp,
    // wavefile/ChunkFrameLayout.cpp). Family 5 only; empty answers otherwise.

    // Follows the "HM" table of contents: stores the information chunks and
    // the data chunk offsets, and which data set each channel belongs to.
    // Called by Load; never throws: a table entry that cannot be followed is
    // noted in GetChunkProblem (the sample decoder refuses), a chunk beyond
    // the end of the file in GetChunkTruncation (the decoder reads what the
    // file holds and reports a short file).
    void LoadChunkedFamily(std::span<const std::uint8_t> file);

    // The first sub-chunk with this tag, index byte and sub-kind in the stored
    // information chunks (index 0's first).
    std::optional<Chunk5595Info> Retrieve5595ChunkInfo(std::string_view tag, int indexByte, int subKind) const;
    // The stored information chunk of an index byte (empty when none).
    std::span<const std::uint8_t> GetChunkInfoArea(int indexByte) const;
    int GetChunkInfoCount() const;
    std::optional<std::uint64_t> GetChunkDataOffset(int indexByte) const;
    const std::string& GetChunkProblem() const;
    const std::string& GetChunkTruncation() const;
    // Sampling period of the data set of an index byte, in seconds (1 when
    // the file describes none).
    double GetChunkSamplingPeriod(int indexByte) const;
    // The per-channel settings entry of slot ch (unit ch / 16, channel ch % 16).
    std::optional<ChunkChannelSettings> GetChunkChannelSettings(int ch) const;
    // Index byte (0 or 1) of the data set whose frames carry slot ch or logic
    // unit `unit`; -1 when no frame description names it.
    int GetChunkChannelSet(int ch) const;
    int GetChunkLogicUnitSet(int unit) const;

private:
    struct Slot {
        HeaderRecord record {};
        bool present = false;
    };
    struct TaggedRecord {
        std::string tag;
        HeaderRecord record {};
    };
    static const HeaderRecord* SlotRecord(const std::vector<Slot>& slots, int index);
    void SetCounts();
    void LoadOldHeader(std::span<const std::uint8_t> file);
    void Dispatch(const HeaderRecord& record);
    void DispatchFamily8(const HeaderRecord& record, const std::string& tag);
    void DispatchFamily9(const HeaderRecord& record, const std::string& tag);
    void DispatchOthers(const HeaderRecord& record, const std::string& tag);
    void PutChannel(std::vector<Slot>& group, const HeaderRecord& record);
    void PutTagged(const std::string& tag, const HeaderRecord& record);
    struct SaveEntry {
        std::int64_t dataCount = 0;
        std::int64_t position = -1;
    };
    SaveEntry FindSaveEntry(const std::string& tag, int channelNumber) const;
    // models and functions
    std::string BaseModelName(bool fullName) const;
    std::string TimePerDivFieldText() const;

    bool valid_ = false;
    std::uint64_t headerSize_ = 0;
    HeaderFamily headerFamily_ = HeaderFamily::Family1;
    int modelId_ = 0;
    int analogCount_ = 0;
    int floatCount_ = 0;
    int pulseCount_ = 0;
    int logicUnitCount_ = 0;
    int auxCount_ = 0;

    HeaderRecord main_ {};
    std::vector<std::uint8_t> oldHeader_; // 2048 bytes when present
    Slot waveHeader1_, system_, fft_, gps_;
    std::vector<HeaderRecord> waveHeader2_;
    std::vector<Slot> channel_, channel02_, float_, float02_, pulse_, pulse02_, logic_, logic02_, eventMark_;
    std::vector<TaggedRecord> tagged_;
    std::int64_t oldDataLength_ = 0;
    ChunkedHeader chunked_; // family 5; reset by LoadChunkedFamily

    // channel names: the family-5 set markers
    std::array<bool, kChannelHeaderSlots> channelMarker_ {};
    std::array<bool, kLogicHeaderSlots> logicUnitMarker_ {};
};

} // namespace kp
