// Every family the readers know, converted from disk block by block with the
// fast writer, gives the bytes of the plain writer over the whole loaded
// record: analog channels, logic probes, 32-bit logic units, floats, pulses
// and envelope pairs.

#include "export/ConvertWaveFile.h"
#include "export/ExportPlan.h"

#include "platform/LocaleInfo.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "support/ReferenceTextWriter.h"
#include "support/SampleRoundTrip.h"
#include "support/ScratchFolder.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/SampleLayout.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kp {
namespace {

struct ExportCase {
    const char* name;
    std::function<synth::Recording()> make;
};

std::ostream& operator<<(std::ostream& os, const ExportCase& c)
{
    return os << c.name;
}

// Float channels and 32-bit values (logic units, or value channels where
// the family keeps them in 32 bits) with random contents. A 32-bit logic unit
// of family 6 is made of the words of two points: paired gives both points
// the same value.
synth::Recording WithFloatsAndWords(
    synth::Recording r, std::vector<int> floats, std::vector<int> words, std::uint32_t salt, bool paired = false)
{
    auto rng = test::SeededRandom(salt);
    const auto n = static_cast<std::size_t>(r.dataLength);
    const bool pairs = r.function == "REC" || r.function == "RMS";
    std::uniform_real_distribution<float> real(-500.0f, 500.0f);
    for (int slot : floats) {
        synth::FloatBlueprint f;
        f.slot = slot;
        f.primary.resize(n);
        for (auto& v : f.primary)
            v = real(rng);
        if (pairs)
            for (float v : f.primary)
                f.secondary.push_back(v - 1.0f);
        r.floats.push_back(std::move(f));
    }
    for (int slot : words) {
        synth::LogicWordBlueprint w;
        w.slot = slot;
        w.primary.resize(n);
        for (std::size_t k = 0; k < n; k += paired ? 2 : 1) {
            w.primary[k] = static_cast<std::uint32_t>(rng());
            if (paired && k + 1 < n)
                w.primary[k + 1] = w.primary[k];
        }
        if (pairs)
            for (std::uint32_t v : w.primary)
                w.secondary.push_back(v ^ 0xFFu);
        r.logicWords.push_back(std::move(w));
    }
    return r;
}

// (Family 0's model is refused by the file check, so none of its files
// reaches a conversion.)
std::vector<ExportCase> Cases()
{
    using test::Make;
    return {
        { "F1_MEM",
            [] {
                return Make("4170", "41700003", "MEM", 90000, { 0, 2, 5, 6 }, { 0, 1, 3 }, 3);
            } },
        { "F1_RMS",
            [] {
                return Make("5066", "50660001", "RMS", 70000, { 0, 7 }, { 1 }, 5);
            } },
        { "F2_MEM",
            [] {
                return Make("3384", "33840001", "MEM", 6000, { 0, 1, 4 }, { 0, 1, 2 }, 7);
            } },
        { "F2_REC",
            [] {
                return Make("3384", "33840001", "REC", 3000, { 2, 3 }, { 0, 3 }, 8);
            } },
        { "F3_pulses",
            [] {
                return test::WithPulses(
                    test::WithRing(Make("3019", "30190001", "MEM", 5000, { 0, 3 }, { 0, 4 }, 9), 5003, 1234), { 0, 2 },
                    10);
            } },
        { "F4_MEM",
            [] {
                return Make("4756", "", "MEM", 4000, { 0, 1, 3 }, { 0, 1, 5 }, 12);
            } },
        { "F4_RMS",
            [] {
                return Make("4756", "", "RMS", 2000, { 2, 5 }, { 0, 3 }, 13, false, true);
            } },
        { "F6_floats_words",
            [] {
                return WithFloatsAndWords(
                    Make("5228", "52280102", "MEM", 3000, { 0, 2 }, { 5, 9 }, 14), { 0, 11 }, { 1 }, 15, true);
            } },
        { "F7_MEM",
            [] {
                return Make("QX4767", "QX476701", "MEM", 3000, { 0, 1 }, {}, 16);
            } },
        { "F8_MEM",
            [] {
                auto r = Make("QX3013", "QX301301", "MEM", 4000, { 0, 14 }, { 0, 3, 17 }, 17);
                return test::WithPulses(WithFloatsAndWords(r, { 0, 7 }, { 15, 240, 245, 256, 263 }, 18), { 0, 1 }, 19);
            } },
        { "F9_MEM",
            [] {
                auto r = Make("QX3122", "QX3122-01", "MEM", 3500, { 0, 9, 255 }, { 0, 3, 127 }, 20);
                return WithFloatsAndWords(r, { 0, 16, 32, 94 }, { 5, 256, 351 }, 21);
            } },
        { "F9_REC",
            [] {
                auto r = Make("QX3122", "QX3122", "REC", 2100, { 1, 200 }, { 4, 64 }, 22);
                return WithFloatsAndWords(r, { 15, 31, 40 }, { 7, 300 }, 23);
            } },
    };
}

class ExportAcrossFamilies : public ::testing::TestWithParam<ExportCase> { };

TEST_P(ExportAcrossFamilies, BlockConversionEqualsThePlainWriterOverTheLoadedRecord)
{
    ScopedLocale locale({ ',', ';', "HH:mm:ss", true });
    test::ScratchFolder dir;
    const auto source = dir / "REC.MEM";
    synth::WriteRecordingFile(GetParam().make(), source);

    ConversionRequest request;
    request.source = source;
    request.output = dir / "REC.CSV";
    request.thinOut = 3;
    request.crlf = true;
    request.showErrors = true;
    RecordingMessages messages;
    NullProgress progress;
    ASSERT_TRUE(ConvertWaveFile(request, messages, progress));
    EXPECT_TRUE(messages.shown().empty());

    CBlockFileList blockFiles;
    CKpDoc doc(messages, progress, blockFiles);
    ASSERT_TRUE(doc.OnOpenDocument(source));
    const SampleLayout samples = DescribeSamples(doc.GetHeadInfo());
    const ExportPlan plan = BuildExportPlan(doc.GetHeadInfo(), samples, ChoicesOf(request));
    ASSERT_FALSE(plan.layout.columns.empty());
    std::string expected = plan.HeaderSection();
    const std::int64_t points = samples.MaxPoints();
    test::ReferenceTextWriter reference(plan.layout, doc.GetTables(), 0);
    reference.writeRows(0, 3, (points + 2) / 3, [&](const char* d, std::size_t n) { expected.append(d, n); });
    EXPECT_EQ(test::ReadWholeFile(request.output), expected);
}

INSTANTIATE_TEST_SUITE_P(Families, ExportAcrossFamilies, ::testing::ValuesIn(Cases()),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kp
