// Reading the header records into their slots.
#include "wavefile/CWaveHeadInfo.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "wavefile/ByteReader.h"
#include "wavefile/ModelTables.h"
#include "wavefile/OldHeader.h"

namespace kp {

namespace {

constexpr int kMaxWaveHeader2 = 8;
constexpr int kEventMarkSlots = 26;

HeaderRecord ReadRecord(const ByteReader& reader, std::uint64_t offset)
{
    HeaderRecord record {};
    const auto bytes = reader.slice(offset, kHeaderRecordSize);
    std::copy(bytes.begin(), bytes.end(), record.begin());
    return record;
}

// The record's tag: field 0 up to its terminator.
std::string TagOf(const HeaderRecord& record)
{
    return FieldText(record, 0);
}

// The number in a designation such as "3", "CH3", "Z12" or "L4": leading
// letters skipped, then the decimal number; -1 when there is none.
int DesignationNumber(const std::string& designation)
{
    std::size_t i = 0;
    while (i < designation.size() && !(designation[i] >= '0' && designation[i] <= '9'))
        ++i;
    if (i == designation.size())
        return -1;
    const long long n = ParseIntPrefix(std::string_view(designation).substr(i));
    return n > 1'000'000 ? -1 : static_cast<int>(n);
}

int Clamp(long long value, int low, int high)
{
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

} // namespace

bool CWaveHeadInfo::Load(std::span<const std::uint8_t> file)
{
    Clear();
    const ByteReader reader(file, ByteOrder::Big);
    main_ = ReadRecord(reader, 0);

    const bool hw = main_[0] == 'H' && main_[1] == 'W' && main_[2] == 0;
    const bool hf = main_[0] == 'H' && main_[1] == 'F' && main_[2] == 0;
    if (hw || hf) {
        headerFamily_ = HeaderFamilyFromVersion(FieldText(main_, 9));
        modelId_ = ModelIdFromName(GetModelName());
        SetCounts();
        // Field 1 counts the records, this one included. A count the file
        // cannot hold ends in a short read at the first missing record.
        const long long records = std::max<long long>(FieldInt(main_, 1), 1);
        std::uint64_t offset = kHeaderRecordSize;
        for (long long i = 1; i < records; ++i, offset += kHeaderRecordSize)
            Dispatch(ReadRecord(reader, offset));
        LoadChunkedFamily(file);
        headerSize_ = offset;
        valid_ = true;
        return true;
    }
    static constexpr char kOldMagic[] = "VORAN4756";
    if (file.size() >= 9 && std::memcmp(file.data(), kOldMagic, 9) == 0) {
        LoadOldHeader(file);
        valid_ = true;
        return true;
    }
    main_.fill(0);
    valid_ = false;
    return false;
}

void CWaveHeadInfo::LoadOldHeader(std::span<const std::uint8_t> file)
{
    const ByteReader reader(file, ByteOrder::Big);
    const auto bytes = reader.slice(0, kOldHeaderSize);
    oldHeader_.assign(bytes.begin(), bytes.end());
    main_.fill(0);
    headerFamily_ = HeaderFamily::Family4;
    modelId_ = ModelIdFromName(GetModelName());
    auto text = [&](std::size_t offset, std::size_t length) {
        return std::string(reinterpret_cast<const char*>(oldHeader_.data() + offset),
            strnlen(reinterpret_cast<const char*>(oldHeader_.data() + offset), length));
    };
    analogCount_ = Clamp(ParseIntPrefix(text(oldheader::kAnalogCount, 3)), 0, kChannelHeaderSlots);
    logicUnitCount_ = Clamp(4 * ParseIntPrefix(text(oldheader::kLogicCount, 3)), 0, kLogicHeaderSlots);
    // The length field is 10 bytes wide; what follows it is another field.
    long long length = ParseIntPrefix(text(oldheader::kDataLength, oldheader::kDataLengthSize));
    if (IsPairValuedFunction(GetFunctionMode()))
        length /= 2;
    oldDataLength_ = std::max<long long>(length, 0);
    headerSize_ = kOldHeaderSize;
}

void CWaveHeadInfo::SetCounts()
{
    const long long field26 = FieldInt(main_, 26);
    const long long field27 = std::min<long long>(FieldInt(main_, 27), 128);
    const std::string model = FieldText(main_, 2);
    long long analog = 0, logic = 0;
    switch (headerFamily_) {
    case HeaderFamily::Family0:
        analog = FieldInt(main_, 21);
        logic = FieldInt(main_, 22);
        break;
    case HeaderFamily::Family1:
        analog = FieldText(main_, 41) == "REAL_MEM" ? 32 : field26;
        logic = field27;
        break;
    case HeaderFamily::Family2:
        analog = FieldText(main_, 4) == "POW" ? 2 * field26 : field26;
        logic = field27;
        break;
    case HeaderFamily::Family3:
        // The two logger models differ only in their input count.
        analog = model == "5303" ? 32 : model == "3019" ? 16 : 0;
        logic = 8;
        break;
    case HeaderFamily::Family5:
        analog = 352;
        logic = field27;
        break;
    case HeaderFamily::Family6:
        analog = FieldText(main_, 15) == "QX3951" ? 32 : field26;
        logic = 16;
        break;
    case HeaderFamily::Family7:
        analog = field26;
        logic = field27;
        break;
    case HeaderFamily::Family8:
        analog = 352;
        logic = 20;
        break;
    case HeaderFamily::Family9:
        analog = 352;
        logic = 128;
        break;
    default:
        break;
    }
    analogCount_ = Clamp(analog, 0, kChannelHeaderSlots);
    logicUnitCount_ = Clamp(logic, 0, kLogicHeaderSlots);
    floatCount_ = headerFamily_ == HeaderFamily::Family6 ? 16
        : headerFamily_ == HeaderFamily::Family8         ? 8
        : headerFamily_ == HeaderFamily::Family9         ? 96
                                                         : 0;
    pulseCount_ = headerFamily_ == HeaderFamily::Family3 ? 4 : headerFamily_ == HeaderFamily::Family8 ? 2 : 0;
    auxCount_ = headerFamily_ == HeaderFamily::Family8 ? 8 : 0;
}

void CWaveHeadInfo::Dispatch(const HeaderRecord& record)
{
    const std::string tag = TagOf(record);
    if (headerFamily_ == HeaderFamily::Family8)
        DispatchFamily8(record, tag);
    else if (headerFamily_ == HeaderFamily::Family9)
        DispatchFamily9(record, tag);
    else
        DispatchOthers(record, tag);
}

void CWaveHeadInfo::PutChannel(std::vector<Slot>& group, const HeaderRecord& record)
{
    const std::string designation = FieldText(record, 1);
    int n = DesignationNumber(designation);
    if (n < 1)
        return;
    const int slot = n - 1;
    if (slot < static_cast<int>(group.size()))
        group[slot] = Slot { record, true };
}

void CWaveHeadInfo::PutTagged(const std::string& tag, const HeaderRecord& record)
{
    tagged_.push_back(TaggedRecord { tag, record });
}

void CWaveHeadInfo::DispatchFamily8(const HeaderRecord& record, const std::string& tag)
{
    if (tag == "HW-001") {
        waveHeader1_ = Slot { record, true };
    } else if (tag == "HW-002") {
        if (static_cast<int>(waveHeader2_.size()) < kMaxWaveHeader2)
            waveHeader2_.push_back(record);
    } else if (tag == "HC" || tag == "HC_02" || tag == "HC02") {
        auto& group = tag == "HC" ? channel_ : channel02_;
        const std::string d = FieldText(record, 1);
        if (d.rfind("GPS", 0) == 0) {
            const int n = DesignationNumber(d);
            if (n >= 1 && n <= 5) {
                group[239 + n] = Slot { record, true };
            } else if (n == 6) {
                for (int s = 246; s < 249; ++s)
                    group[s] = Slot { record, true };
            } else if (n == 7) {
                for (int s = 249; s < 253; ++s)
                    group[s] = Slot { record, true };
            }
        } else if (d.size() >= 4 && d[0] == 'W' && d[2] == '-') {
            const int a = d[1] - '0', b = d[3] - '0';
            if (a >= 1 && a <= 9 && b >= 1 && b <= 9) {
                const int slot = 256 + 2 * (a - 1) + (b - 1);
                if (slot < kChannelHeaderSlots)
                    group[slot] = Slot { record, true };
            }
        } else {
            PutChannel(group, record);
        }
    } else if (tag == "HJ" || tag == "HJ02") {
        PutChannel(tag == "HJ" ? pulse_ : pulse02_, record);
    } else if (tag == "HL") {
        // Built-in logic ("INTL<n>") takes units 0-3, CAN logic ("<unit>-<channel>")
        // the units after them, four channels to a unit.
        const std::string d = FieldText(record, 1);
        int slot = -1;
        if (d.rfind("INTL", 0) == 0) {
            const int n = DesignationNumber(d);
            slot = n >= 1 ? n - 1 : 0;
            if (slot > 3)
                slot = -1;
        } else {
            const int a = DesignationNumber(d);
            const auto dash = d.find('-');
            const int b = dash == std::string::npos ? -1 : DesignationNumber(d.substr(dash + 1));
            if (a >= 1 && b >= 1 && b <= 4)
                slot = 4 + 4 * (a - 1) + (b - 1);
        }
        if (slot >= 0 && slot < logicUnitCount_)
            logic_[slot] = Slot { record, true };
    } else if (tag == "HZ") {
        const int n = DesignationNumber(FieldText(record, 1));
        if (n >= 1 && n < kFloatHeaderSlots)
            float_[n - 1] = Slot { record, true };
    } else if (tag == "HQ") {
        gps_ = Slot { record, true };
    } else if (tag == "HS") {
        system_ = Slot { record, true };
    } else if (tag == "HE-QX3013") {
        PutTagged(tag, record);
    }
}

void CWaveHeadInfo::DispatchFamily9(const HeaderRecord& record, const std::string& tag)
{
    auto putFloat = [&](std::vector<Slot>& group, int base, int limit) {
        const int n = DesignationNumber(FieldText(record, 1));
        if (n >= 1 && n <= limit && n < 96)
            group[base + n - 1] = Slot { record, true };
    };
    if (tag == "HW00") {
        waveHeader1_ = Slot { record, true };
    } else if (tag == "HW01") {
        if (static_cast<int>(waveHeader2_.size()) < kMaxWaveHeader2)
            waveHeader2_.push_back(record);
    } else if (tag == "HW02") {
        PutTagged(tag, record);
    } else if (tag == "HC" || tag == "HC02") {
        PutChannel(tag == "HC" ? channel_ : channel02_, record);
    } else if (tag == "HL" || tag == "HL02") {
        PutChannel(tag == "HL" ? logic_ : logic02_, record);
    } else if (tag == "HR" || tag == "HR02") {
        putFloat(tag == "HR" ? float_ : float02_, 0, 16);
    } else if (tag == "HZ" || tag == "HZ02") {
        putFloat(tag == "HZ" ? float_ : float02_, 16, 16);
    } else if (tag == "HV" || tag == "HV02") {
        putFloat(tag == "HV" ? float_ : float02_, 32, 63);
    } else if (tag == "HS") {
        system_ = Slot { record, true };
    } else if (TagStartsWith(record, "HPF")) {
        PutTagged("HPF", record);
    } else if (TagStartsWith(record, "HOF")) {
        PutTagged("HOF", record);
    }
}

void CWaveHeadInfo::DispatchOthers(const HeaderRecord& record, const std::string& tag)
{
    if (tag == "HW-001") {
        waveHeader1_ = Slot { record, true };
    } else if (tag == "HW-002") {
        if (static_cast<int>(waveHeader2_.size()) < kMaxWaveHeader2)
            waveHeader2_.push_back(record);
    } else if (tag == "HC" || tag == "HU") {
        PutChannel(channel_, record);
    } else if (tag == "HC_02") {
        PutChannel(channel02_, record);
    } else if (tag == "HZ") {
        const int n = DesignationNumber(FieldText(record, 1));
        if (n >= 1 && n < kFloatHeaderSlots)
            float_[n - 1] = Slot { record, true };
    } else if (tag == "HJ" || tag == "HK") {
        PutChannel(pulse_, record);
    } else if (tag == "HL" || tag == "HG") {
        PutChannel(logic_, record);
    } else if (tag == "HT") {
        fft_ = Slot { record, true };
    } else if (tag == "HS") {
        system_ = Slot { record, true };
    } else if (tag == "HBA" || tag == "HBP" || tag == "HBL" || tag == "HE3019" || tag == "HP3518" || tag == "HM"
        || tag == "HX") {
        PutTagged(tag, record);
    } else if (TagStartsWith(record, "HPT5228")) {
        PutTagged("HPT5228", record);
    } else if (TagStartsWith(record, "HPD5228")) {
        PutTagged("HPD5228", record);
    } else if (TagStartsWith(record, "HPE")) {
        // The mark number is byte 8: "1".."9" name marks 0-8, a capital letter
        // its distance from "A". Anything else names no mark.
        const std::uint8_t c = record[8];
        int slot = -1;
        if (c >= '1' && c <= '9')
            slot = c - '1';
        else if (c >= 'A' && c <= 'Z')
            slot = c - 'A';
        if (slot >= 0 && slot < kEventMarkSlots)
            eventMark_[slot] = Slot { record, true };
    } else {
        for (const char* prefix : { "HPF", "HOF", "HPV", "HOV" }) {
            if (TagStartsWith(record, prefix)) {
                PutTagged(prefix, record);
                break;
            }
        }
    }
}

std::int64_t CWaveHeadInfo::GetDataLength() const
{
    if (headerFamily_ == HeaderFamily::Family4)
        return oldDataLength_;
    return std::max<long long>(FieldInt(main_, 6), 0);
}

CWaveHeadInfo::SaveEntry CWaveHeadInfo::FindSaveEntry(const std::string& tag, int channelNumber) const
{
    // Eight entries of four 12-byte fields from byte 12: channel number
    // (1-based), data count, position in 512-byte units, interval.
    for (const HeaderRecord* record : RecordsTagged(tag)) {
        for (int e = 0; e < 8; ++e) {
            const int field = 1 + 4 * e;
            if (FieldText(*record, field).empty())
                continue;
            if (FieldInt(*record, field) == channelNumber)
                return SaveEntry { std::max<long long>(FieldInt(*record, field + 1), 0), FieldInt(*record, field + 2) };
        }
    }
    return SaveEntry {};
}

namespace {

// Family 2 under POW doubles its positions: the second half are the power
// channels, numbered from 1 again in their own "HBP" list.
std::pair<const char*, int> SaveListOf(int slot, int analogCount, bool power)
{
    if (power && slot >= analogCount / 2)
        return { "HBP", slot - analogCount / 2 + 1 };
    return { "HBA", slot + 1 };
}

std::int64_t BytePosition(std::int64_t units)
{
    constexpr std::int64_t kMaxUnits = INT64_MAX / 512;
    return units < 0 || units > kMaxUnits ? -1 : units * 512;
}

} // namespace

std::int64_t CWaveHeadInfo::GetChannelDataCount(int slot) const
{
    if (headerFamily_ != HeaderFamily::Family2)
        return GetDataLength();
    const auto [tag, number] = SaveListOf(slot, analogCount_, GetFunctionMode() == kFunctionPow);
    return FindSaveEntry(tag, number).dataCount;
}

std::int64_t CWaveHeadInfo::GetChannelSavePosition(int slot) const
{
    if (headerFamily_ != HeaderFamily::Family2)
        return -1;
    const auto [tag, number] = SaveListOf(slot, analogCount_, GetFunctionMode() == kFunctionPow);
    return BytePosition(FindSaveEntry(tag, number).position);
}

std::int64_t CWaveHeadInfo::GetLogicSavePosition(int unit) const
{
    if (headerFamily_ != HeaderFamily::Family2)
        return -1;
    return BytePosition(FindSaveEntry("HBL", unit + 1).position);
}

} // namespace kp
