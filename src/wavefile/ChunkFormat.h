#pragma once
// Byte places of the chunked recording family (models 5595, 3945 and their
// "-50" variants). The reader and the recording writer share this one
// description, so the places that the instrument's layout leaves open (the
// per-channel settings, the file entry of an index file) are decided here once.
//
// Integers inside chunks are little-endian; texts are ASCII without a
// terminator when they fill their field.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kp::chunk {

// ------------------------------------------------------------ chunk frame
// Every chunk and every data block starts with a 32-byte header.
inline constexpr std::size_t kHeaderSize = 32;
inline constexpr std::size_t kTagSize = 8;
inline constexpr std::size_t kIndexByte = 8; // which of two parallel data sets (0 or 1)
inline constexpr std::size_t kSubKindByte = 9; // 98 selects the second pair of frame descriptions
inline constexpr std::size_t kSize = 12; // u32, header included
inline constexpr std::size_t kDataOffset = 16; // u32, relative to the chunk

inline constexpr std::uint8_t kSecondPairSubKind = 98;

inline constexpr std::string_view kInfoTag = "LWBBWINF";
inline constexpr std::string_view kDataTag = "LWBBWDAT";
inline constexpr std::string_view kBlockTag = "LXIIWBLK";
inline constexpr std::string_view kBlockParamTag = "SX__BLKP";
inline constexpr std::string_view kFileRefTag = "LFEERFDT";
inline constexpr std::string_view kFileTag = "SFIIFILE";
inline constexpr std::string_view kMainTag = "SXIIWFMN";
inline constexpr std::string_view kEditTag = "SXIIWEDT";
inline constexpr std::string_view kCommonTag = "SX__WCMN";
inline constexpr std::string_view kCalcTag = "SXEEWCST";
inline constexpr std::string_view kChannelTag = "SXACAWMN";
inline constexpr std::string_view kLogicTag = "SXL_LWMN";
inline constexpr std::string_view kEventTag = "LX__EVNT";
inline constexpr std::string_view kEventInfoTag = "SXEEEVTI";
inline constexpr std::string_view kUnitTag = "SSACUNIT";

// Information chunks larger than this are not stored.
inline constexpr std::uint32_t kMaxInfoChunkSize = 327'680;

// --------------------------------------------------- table of contents
// "HM" header records: 20 entries of 24 bytes from byte 12. An entry holds the
// chunk tag at bytes 0-7 and the chunk's file offset as 8 hexadecimal digits
// at bytes 16-23. An entry whose tag begins with NUL ends the table.
inline constexpr std::string_view kTocRecordTag = "HM";
inline constexpr std::size_t kTocFirstEntry = 12;
inline constexpr std::size_t kTocEntrySize = 24;
inline constexpr int kTocEntriesPerRecord = 20;
inline constexpr std::size_t kTocOffsetText = 16;
inline constexpr std::size_t kTocOffsetDigits = 8;

// ------------------------------------------------------------ sub-chunks
// Inside an information chunk, from byte 32. A 16-byte header: tag, index
// byte, sub-kind; tags beginning with "S" keep a u16 size at 12 and a u16
// parameter offset at 14, other tags a u32 size at 12 and a u32 parameter
// offset at 16. The next sub-chunk starts at the size rounded up to 16.
inline constexpr std::size_t kSubHeaderSize = 16;
inline constexpr std::size_t kSubSize = 12;
inline constexpr std::size_t kSubParamOffset16 = 14;
inline constexpr std::size_t kSubParamOffset32 = 16;
inline constexpr std::size_t kSubLongHeaderSize = 20; // bytes a long-form header needs
inline constexpr std::size_t kSubAlign = 16;

constexpr std::uint64_t AlignSub(std::uint64_t size)
{
    return (size + kSubAlign - 1) / kSubAlign * kSubAlign;
}

// "SXIIWFMN": the frame descriptions ("SXIIWEDT") are nested from byte 16;
// 16 zero bytes end them. At the parameter offset q:
inline constexpr std::size_t kMainNestedStart = 16;
inline constexpr std::size_t kPeriodMantissa = 2; // u16
inline constexpr std::size_t kPeriodExponent = 4; // i8, power of ten
inline constexpr std::size_t kPeriodUnit = 5; // 8 characters
inline constexpr std::size_t kPeriodUnitSize = 8;
inline constexpr std::size_t kStartValue0 = 113; // i32, read from the index-0 description
inline constexpr std::size_t kStartValue1 = 117; // i32, read from the index-1 description
inline constexpr std::size_t kMainParamSize = 121; // bytes from q that hold all of the above

// "SXIIWEDT": frame size, entry count, then 4-byte channel entries.
inline constexpr std::size_t kEditFrameSize = 16; // u16
inline constexpr std::size_t kEditEntryCount = 18; // u16
inline constexpr std::size_t kEditEntries = 20;
inline constexpr std::size_t kEditEntrySize = 4; // type, byte size, unit (0-based), channel (0-based)

// "SX__BLKP", the 32 bytes after a block header.
inline constexpr std::size_t kBlockStartPoint = 18; // u32
inline constexpr std::size_t kBlockPointCount = 22; // u32: frames in the block
// A block holds at least its header and its parameter chunk.
inline constexpr std::size_t kBlockMinSize = 2 * kHeaderSize;

// Channel entry types of a frame description.
enum EntryType : std::uint8_t {
    kAnalog = 1, // analog primary; the slot joins the block's data set
    kLogic = 2, // group-0 primary logic word; logic units 0-3 join the set
    kAnalogPair = 3, // primary here, secondary one secondary distance further
    kLogicPair = 4, // group-0 logic pair through the carried word
    kAnalogPrimary = 5,
    kAnalogSecondary = 6,
    kLogicPrimary = 7,
    kLogicSecondary = 8,
    kAnalogRun = 17, // 8 consecutive slots, primary; they join the set
    kAnalogRunPair = 19, // 8 slots, primary, secondary 32 bytes further
    kAnalogRunPrimary = 21,
    kAnalogRunSecondary = 22,
    kCalc = 32, // analog primary of slot 256 + unit
    kCalcAlt = 33,
};
inline constexpr int kRunLength = 8;
inline constexpr std::size_t kRunSecondaryDistance = 32;
inline constexpr int kCalcFirstSlot = 256;
inline constexpr int kChannelsPerUnit = 16;

// Sampling period unit texts (compared without regard to case) and their
// factors in seconds; another text counts as seconds.
struct PeriodUnit {
    std::string_view text;
    double seconds;
};
inline constexpr PeriodUnit kPeriodUnits[] = {
    { "sec", 1.0 },
    { "min", 60.0 },
    { "hour", 3600.0 },
    { "day", 86400.0 },
    { "week", 604800.0 },
    { "month", 30 * 86400.0 },
    { "year", 365 * 86400.0 },
};

// ------------------------------------------- per-channel settings (decided)
// "SXACAWMN" (sub-kind 0) of either index byte. At its parameter offset q: u16
// entry count at q, u16 entry size at q+2, entries from q+4. An entry names its
// channel by unit and channel (0-based, slot = unit x 16 + channel) and is used
// when its valid byte is 1. The index-0 table is searched first.
inline constexpr std::size_t kChannelCount = 0;
inline constexpr std::size_t kChannelEntrySizeField = 2;
inline constexpr std::size_t kChannelEntries = 4;
inline constexpr std::size_t kChannelEntrySize = 48; // the least entry size read
inline constexpr std::size_t kChValid = 0; // u8: 1 = entry in use
inline constexpr std::size_t kChUnit = 1; // u8
inline constexpr std::size_t kChChannel = 2; // u8
inline constexpr std::size_t kChPrecision = 4; // 4 characters: the module's precision mark ("OFF", "HRS", ...)
inline constexpr std::size_t kChPrecisionSize = 4;
inline constexpr std::size_t kChValuePerCode = 8; // IEEE double
inline constexpr std::size_t kChOffset = 16; // IEEE double
inline constexpr std::size_t kChDisplayCodes = 24; // i32: codes per division for drawing
inline constexpr std::size_t kChZeroCode = 28; // i16
inline constexpr std::size_t kChUnitText = 32; // 16 characters
inline constexpr std::size_t kChUnitTextSize = 16;

// ------------------------------------------------------- event marks (decided)
// "LX__EVNT" (index byte 0, sub-kind 0). At its parameter offset q: u32 mark
// count at q, then the marks' point positions as i64 from q+8, in recorded
// order, counted in points of the index-0 data set.
inline constexpr std::size_t kEventCount = 0;
inline constexpr std::size_t kEventPositions = 8;
inline constexpr std::size_t kEventPositionSize = 8;
// "SXEEEVTI" (index byte 0, sub-kind 0): the marks' comments. At its parameter
// offset q: u32 comment count at q, u32 entry size at q+4, then one entry per
// mark from q+8 in the marks' order, each the comment as little-endian UTF-16
// padded with NUL units to the entry size.
inline constexpr std::size_t kEventInfoCount = 0;
inline constexpr std::size_t kEventInfoEntrySize = 4;
inline constexpr std::size_t kEventInfoEntries = 8;
// Entry sizes outside 2 .. 1024 bytes are not read.
inline constexpr std::uint32_t kEventInfoMaxEntrySize = 1024;

// ------------------------------------------------- index file entries (decided)
// An "LFEERFDT" chunk carries one listed file. Its data offset (bytes 16-19)
// points at the file entry; the writer puts an "SFIIFILE" sub-chunk header in
// front of it. Entry: u16 file number, u16 name length in bytes, the name as
// little-endian UTF-16 from byte 16.
inline constexpr std::size_t kFileEntryNumber = 0;
inline constexpr std::size_t kFileEntryNameLength = 2;
inline constexpr std::size_t kFileEntryName = 16;
// Longest name taken from an entry, in UTF-8 bytes.
inline constexpr std::size_t kFileNameMaxBytes = 1024;
// File-reference chunks larger than this are not read.
inline constexpr std::uint32_t kMaxFileChunkSize = kMaxInfoChunkSize;

} // namespace kp::chunk
