#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

#include "wavefile/ChannelTables.h"

namespace kp::fuzz {

namespace {

template <typename Slots> std::uint64_t SlotBytes(const Slots& slots)
{
    std::uint64_t bytes = 0;
    for (const auto& s : slots)
        bytes += (s.primary.size() + s.secondary.size()) * sizeof(s.primary[0]);
    return bytes;
}

template <typename Slots> bool SlotsEmpty(const Slots& slots)
{
    for (const auto& s : slots)
        if (s.saved || !s.primary.empty() || !s.secondary.empty())
            return false;
    return true;
}

struct TableRatio {
    double ratio = 0;
    std::uint64_t tableBytes = 0;
    std::uint64_t fileBytes = 0;
    std::uint64_t largestTable = 0;
    std::uint64_t largestTableFile = 0;
    std::uint64_t loads = 0;

    ~TableRatio()
    {
        if (std::getenv("KP_FUZZ_STATS") == nullptr || loads == 0)
            return;
        std::fprintf(stderr,
            "kp fuzz: %llu loads kept tables; largest table/file ratio %.1f (%llu bytes of tables from a "
            "file of %llu bytes); largest tables %llu bytes (file of %llu bytes)\n",
            static_cast<unsigned long long>(loads), ratio, static_cast<unsigned long long>(tableBytes),
            static_cast<unsigned long long>(fileBytes), static_cast<unsigned long long>(largestTable),
            static_cast<unsigned long long>(largestTableFile));
    }
};

TableRatio& Ratio()
{
    static TableRatio ratio;
    return ratio;
}

} // namespace

std::uint64_t HeldTableBytes(const ChannelTables& tables)
{
    return SlotBytes(tables.analog) + SlotBytes(tables.logic) + SlotBytes(tables.floats) + SlotBytes(tables.pulse)
        + SlotBytes(tables.logicGroups.groups);
}

bool TablesEmpty(const ChannelTables& tables)
{
    return SlotsEmpty(tables.analog) && SlotsEmpty(tables.logic) && SlotsEmpty(tables.floats)
        && SlotsEmpty(tables.pulse) && SlotsEmpty(tables.logicGroups.groups) && !tables.logicGroups.logicPresent;
}

void NoteTableAllocation(std::uint64_t tableBytes, std::uint64_t fileBytes)
{
    auto& r = Ratio();
    ++r.loads;
    const double ratio = static_cast<double>(tableBytes) / static_cast<double>(fileBytes == 0 ? 1 : fileBytes);
    if (ratio > r.ratio) {
        r.ratio = ratio;
        r.tableBytes = tableBytes;
        r.fileBytes = fileBytes;
    }
    if (tableBytes > r.largestTable) {
        r.largestTable = tableBytes;
        r.largestTableFile = fileBytes;
    }
}

} // namespace kp::fuzz
