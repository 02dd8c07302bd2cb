#include "synth/FuzzSeeds.h"

#include "synth/DemoRecordings.h"
#include "synth/Family5Writer.h"
#include "synth/IndexWriter.h"
#include "synth/RecordingWriter.h"

namespace kp::synth {

namespace {

constexpr std::int64_t kShortPoints = 40;
// Past one progress step of 2000 points, so Cancel can land inside a load.
constexpr std::int64_t kLongPoints = 2100;

enum class Mix { Both, AnalogOnly, LogicOnly };

const char* MixName(Mix mix)
{
    switch (mix) {
    case Mix::Both:
        return "both";
    case Mix::AnalogOnly:
        return "analog";
    case Mix::LogicOnly:
        return "logic";
    }
    return "";
}

// The family's sample recording with the channel mix applied; false for a
// function the family does not keep. A recording the writer refuses
// otherwise throws: a seed set that silently lost a family would hide it from
// every fuzzer.
bool TryRecording(int family, const std::string& function, Mix mix, std::int64_t points, std::vector<std::uint8_t>& out)
{
    if (!FamilyKeepsFunction(HeaderFamily { family }, function))
        return false;
    Recording r
        = FamilySampleRecording(HeaderFamily { family }, function, points, static_cast<std::uint32_t>(family * 7 + 1));
    // Detection refuses the model text "3518"; the version text alone
    // selects family 0, so a listed model lets the file reach its decoder.
    if (family == 0)
        r.model = "4170";
    if (mix == Mix::AnalogOnly)
        r.logicUnits.clear();
    if (mix == Mix::LogicOnly)
        r.analog.clear();
    out = WriteRecording(r);
    return true;
}

std::vector<std::uint8_t> Listed(std::int64_t points, std::uint32_t seed)
{
    return WriteRecording(FamilySampleRecording(HeaderFamily::Family1, "MEM", points, seed));
}

void AddIndexSeeds(std::vector<SeedFile>& seeds)
{
    const auto first = Listed(kShortPoints, 11);
    const auto second = Listed(kShortPoints, 12);

    // Layout 1: 8.3 names without the dot; the second block is missing.
    IndexBlueprint block16;
    block16.tag = "HIS";
    block16.entries = { { 1, Name83Stored("B0000001", "MEM") }, { 2, Name83Stored("B0000002", "MEM") },
        { 3, Name83Stored("B0000003", "MEM") } };
    seeds.push_back(
        { "index-block16.SEQ", MakeIndexFile(block16), { { "B0000001.MEM", first }, { "B0000003.MEM", second } } });

    // Layout 1 whose table starts two records in.
    IndexBlueprint later = block16;
    later.tableRecord = 2;
    seeds.push_back({ "index-block16-record2.SEQ", MakeIndexFile(later), { { "B0000001.MEM", first } } });

    // Layout 2: NUL-terminated names.
    IndexBlueprint block132;
    block132.layout = IndexLayout::Block132;
    block132.model = "5228";
    block132.entries = { { 1, "WAVE0001.MEM" }, { 2, "WAVE0002.MEM" } };
    seeds.push_back({ "index-block132.MUL", MakeIndexFile(block132), { { "WAVE0001.MEM", first } } });

    // Layout 3: UTF-16 names.
    IndexBlueprint utf16;
    utf16.layout = IndexLayout::Utf16;
    utf16.model = "QX3122";
    utf16.entries = { { 0, "REC_0001.MEM" }, { 0, "REC_0002.MEM" } };
    seeds.push_back(
        { "index-utf16.IDX", MakeIndexFile(utf16), { { "REC_0001.MEM", first }, { "REC_0002.MEM", second } } });

    // REC&MEM, realtime and RMS&memory indexes.
    IndexBlueprint recMem = block16;
    recMem.tag = "HIRM";
    recMem.function = "R_M";
    seeds.push_back({ "index-recmem.R_M", MakeIndexFile(recMem), { { "B0000001.MEM", first } } });
    IndexBlueprint realtime = recMem;
    realtime.fields[41] = "REAL_IDX";
    seeds.push_back({ "index-realtime.R_M", MakeIndexFile(realtime), { { "B0000001.MEM", first } } });
    IndexBlueprint rmsMem = block16;
    rmsMem.tag = "HIRMM";
    rmsMem.model = "5066";
    rmsMem.function = "RMS";
    seeds.push_back({ "index-rmsmem.RMM", MakeIndexFile(rmsMem), { { "B0000001.MEM", first } } });

    // An index that lists itself (the fuzz entries write the opened file as
    // OPENED.DAT), and one whose every file is missing.
    IndexBlueprint self = block16;
    self.entries = { { 1, Name83Stored("OPENED", "DAT") }, { 2, Name83Stored("B0000001", "MEM") } };
    seeds.push_back({ "index-self.SEQ", MakeIndexFile(self), { { "B0000001.MEM", first } } });
    seeds.push_back({ "index-missing.SEQ", MakeIndexFile(block16), {} });

    // The chunked family's index: file-reference chunks with UTF-16 names.
    const auto chunked = WriteRecording(FamilySampleRecording(HeaderFamily::Family5, "MEM", kShortPoints, 13));
    seeds.push_back({ "index-chunked.SEQ",
        WriteChunkedFile(ChunkedIndexBlueprint("5595", { "C0000001.MEM", "C0000002.MEM" })).bytes,
        { { "C0000001.MEM", chunked } } });
}

// Chunked recordings beyond the plain sample: channels in the second data set
// at a coarser rate, and short blocks, so the block chain has many links.
void AddChunkedSeeds(std::vector<SeedFile>& seeds)
{
    const Recording r = FamilySampleRecording(HeaderFamily::Family5, "MEM", kShortPoints, 14);
    Family5Options twoSets;
    twoSets.analogSet = { { 3, 1 } };
    twoSets.framesPerBlock = 7;
    seeds.push_back({ "family5-MEM-two-sets.MEM", WriteFamily5(r, twoSets), {} });

    Recording runs = FamilySampleRecording(HeaderFamily::Family5, "REC", kShortPoints, 15);
    runs.analog.clear();
    for (int slot = 8; slot < 16; ++slot) {
        AnalogBlueprint a;
        a.slot = slot;
        a.primary.assign(static_cast<std::size_t>(kShortPoints), static_cast<std::uint16_t>(slot * 1000));
        a.secondary.assign(static_cast<std::size_t>(kShortPoints), static_cast<std::uint16_t>(slot));
        runs.analog.push_back(std::move(a));
    }
    Family5Options runOptions;
    runOptions.runs = true;
    runOptions.framesPerBlock = 16;
    seeds.push_back({ "family5-REC-runs.MEM", WriteFamily5(runs, runOptions), {} });
}

} // namespace

std::vector<SeedFile> FuzzSeeds()
{
    std::vector<SeedFile> seeds;
    for (int family = 0; family <= 9; ++family) {
        for (const std::string function : { "MEM", "REC", "RMS" }) {
            for (const Mix mix : { Mix::Both, Mix::AnalogOnly, Mix::LogicOnly }) {
                std::vector<std::uint8_t> bytes;
                if (TryRecording(family, function, mix, kShortPoints, bytes))
                    seeds.push_back({ "family" + std::to_string(family) + "-" + function + "-" + MixName(mix) + ".MEM",
                        std::move(bytes), {} });
            }
        }
        std::vector<std::uint8_t> bytes;
        if (TryRecording(family, "MEM", Mix::Both, kLongPoints, bytes))
            seeds.push_back({ "family" + std::to_string(family) + "-MEM-long.MEM", std::move(bytes), {} });
    }
    AddChunkedSeeds(seeds);
    AddIndexSeeds(seeds);
    return seeds;
}

} // namespace kp::synth
