#include "wavefile/SavePositions.h"

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/HeaderRecord.h"

namespace kp {

namespace {

long long EntryField(const HeaderRecord& record, int entry, int field)
{
    std::size_t offset = kSavePositionFirstEntry + static_cast<std::size_t>(entry) * kSavePositionEntrySize
        + static_cast<std::size_t>(field) * kFieldSize;
    return ParseIntPrefix(BytesText(record, offset, kFieldSize));
}

std::optional<SavePosition> FindEntry(const std::vector<SavePosition>& entries, int number)
{
    for (const auto& e : entries)
        if (e.number == number)
            return e;
    return std::nullopt;
}

} // namespace

std::vector<SavePosition> SavePositionEntries(const CWaveHeadInfo& head, const std::string& tag)
{
    std::vector<SavePosition> out;
    for (const HeaderRecord* record : head.RecordsTagged(tag)) {
        for (int e = 0; e < kSavePositionsPerRecord; ++e) {
            long long number = EntryField(*record, e, 0);
            if (number <= 0 || number > 100000)
                continue;
            SavePosition p;
            p.number = static_cast<int>(number);
            p.dataCount = EntryField(*record, e, 1);
            p.position = EntryField(*record, e, 2);
            p.interval = EntryField(*record, e, 3);
            out.push_back(p);
        }
    }
    return out;
}

std::optional<SavePosition> AnalogSavePosition(const CWaveHeadInfo& head, int position)
{
    if (auto e = FindEntry(SavePositionEntries(head, "HBA"), position + 1))
        return e;
    return FindEntry(SavePositionEntries(head, "HBP"), position + 1);
}

std::optional<SavePosition> LogicSavePosition(const CWaveHeadInfo& head, int unit)
{
    return FindEntry(SavePositionEntries(head, "HBL"), unit + 1);
}

} // namespace kp
