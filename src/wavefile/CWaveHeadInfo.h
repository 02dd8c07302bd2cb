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

#include "wavefile/ChunkedHeader.h"
#include "wavefile/HeaderRecord.h"

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

    int GetHeaderFamily() const { return headerFamily_; }
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
    const HeaderRecord* ChannelHeader(int slot) const;   // "HC", "HU"
    const HeaderRecord* ChannelHeader02(int slot) const; // "HC02", "HC_02"
    const HeaderRecord* FloatHeader(int slot) const;     // "HR", "HZ", "HV"
    const HeaderRecord* FloatHeader02(int slot) const;
    const HeaderRecord* PulseHeader(int slot) const;     // "HJ", "HK"
    const HeaderRecord* PulseHeader02(int slot) const;
    const HeaderRecord* LogicHeader(int slot) const;     // "HL", "HG"
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
    // (interpret/ModelName.cpp, interpret/FunctionMode.cpp)

    // The model name (without instrument number) as the model tables use it.
    std::string GetModelName() const;
    // The FunctionCode after the family's replacements.
    int GetFunctionMode() const;

    // ------------------------------------------------------ chunked family
    // (wavefile/ChunkTableOfContents.cpp, wavefile/ChunkInfoArea.cpp,
    // wavefile/ChunkFrameLayout.cpp). Family 5 only; empty answers otherwise.

    // Follows the "HM" table of contents: stores the information chunks and
    // the data chunk offsets, and which data set each channel belongs to.
    // Called by Load; never throws (a chunk outside the file is noted in
    // GetChunkProblem and makes the sample decoder refuse).
    void LoadChunkedFamily(std::span<const std::uint8_t> file);

    // The first sub-chunk with this tag, index byte and sub-kind in the stored
    // information chunks (index 0's first).
    std::optional<Chunk5595Info> Retrieve5595ChunkInfo(std::string_view tag, int indexByte, int subKind) const;
    // The stored information chunk of an index byte (empty when none).
    std::span<const std::uint8_t> GetChunkInfoArea(int indexByte) const;
    int GetChunkInfoCount() const;
    std::optional<std::uint64_t> GetChunkDataOffset(int indexByte) const;
    const std::string& GetChunkProblem() const;
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
        HeaderRecord record{};
        bool present = false;
    };
    struct TaggedRecord {
        std::string tag;
        HeaderRecord record{};
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

    bool valid_ = false;
    std::uint64_t headerSize_ = 0;
    int headerFamily_ = 1;
    int modelId_ = 0;
    int analogCount_ = 0;
    int floatCount_ = 0;
    int pulseCount_ = 0;
    int logicUnitCount_ = 0;
    int auxCount_ = 0;

    HeaderRecord main_{};
    std::vector<std::uint8_t> oldHeader_; // 2048 bytes when present
    Slot waveHeader1_, system_, fft_, gps_;
    std::vector<HeaderRecord> waveHeader2_;
    std::vector<Slot> channel_, channel02_, float_, float02_, pulse_, pulse02_, logic_, logic02_, eventMark_;
    std::vector<TaggedRecord> tagged_;
    std::int64_t oldDataLength_ = 0;
    ChunkedHeader chunked_; // family 5; reset by LoadChunkedFamily
};

} // namespace kp
