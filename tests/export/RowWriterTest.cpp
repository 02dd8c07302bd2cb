#include "export/RowWriter.h"
#include "export/TextFileOutput.h"

#include "platform/LocaleInfo.h"
#include "support/ReferenceTextWriter.h"
#include "support/ScratchFolder.h"
#include "support/SeededRandom.h"
#include "wavefile/ChannelTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <tuple>

namespace kp {
namespace {

// Tables with every kind of column the writer knows, filled from one seed.
struct RandomRecord {
    ChannelTables tables;
    ExportLayout layout;

    RandomRecord(std::uint32_t seed, std::int64_t points, const ExportTextStyle& style, const ExportTimeColumn& time)
    {
        auto rng = test::SeededRandom(seed);
        layout.style = style;
        layout.time = time;
        auto codes16 = [&](std::vector<std::uint16_t>& v, std::int64_t n) {
            v.resize(static_cast<std::size_t>(n));
            // A slow wave with noise, and now and then any code at all.
            std::uint16_t c = static_cast<std::uint16_t>(rng());
            for (auto& x : v) {
                c = static_cast<std::uint16_t>(c + static_cast<int>(rng() % 41) - 20);
                x = rng() % 50 == 0 ? static_cast<std::uint16_t>(rng()) : c;
            }
        };
        auto words = [&](std::vector<std::uint32_t>& v) {
            v.resize(static_cast<std::size_t>(points));
            std::uint32_t last = 0;
            for (auto& x : v)
                x = last = rng() % 4 == 0 ? static_cast<std::uint32_t>(rng()) : last;
        };

        // Signed codes with scaling (a family reading 16-bit codes as signed).
        auto& a0 = tables.analog[0];
        a0.saved = true;
        codes16(a0.primary, points);
        layout.columns.push_back({ ColumnSource::Analog, 0, false, 0, 5,
            [](std::uint32_t c) { return static_cast<std::int16_t>(c) * 3.125e-4 + 0.25; } });
        // Unsigned codes, an envelope pair sharing one scaling.
        auto& a5 = tables.analog[5];
        a5.saved = true;
        codes16(a5.primary, points);
        codes16(a5.secondary, points);
        auto unsignedScale = [](std::uint32_t c) { return (static_cast<double>(c) - 32768.0) * 1.0e-3 / 3.0; };
        layout.columns.push_back({ ColumnSource::Analog, 5, false, 0, 7, unsignedScale });
        layout.columns.push_back({ ColumnSource::Analog, 5, true, 0, 7, unsignedScale });
        // A channel that holds fewer points than the others.
        auto& a7 = tables.analog[7];
        a7.saved = true;
        codes16(a7.primary, points / 2);
        layout.columns.push_back({ ColumnSource::Analog, 7, false, 0, 4, [](std::uint32_t c) { return c * 1e-9; } });
        // Pulse counts.
        auto& p0 = tables.pulse[0];
        p0.saved = true;
        codes16(p0.primary, points);
        layout.columns.push_back(
            { ColumnSource::Pulse, 0, false, 0, 5, [](std::uint32_t c) { return c * 0.5 + 1.0; } });
        // 32-bit codes with a zero code.
        auto& l20 = tables.logic[20];
        l20.saved = true;
        words(l20.primary);
        layout.columns.push_back({ ColumnSource::LogicWord, 20, false, 0, 9,
            [](std::uint32_t c) { return static_cast<std::int32_t>(c - 0x80000000u) * 2.5e-7; } });
        // Floats, with an infinity and a nan among them.
        auto& f3 = tables.floats[3];
        f3.saved = true;
        f3.primary.resize(static_cast<std::size_t>(points));
        std::uniform_real_distribution<float> real(-1e4f, 1e4f);
        for (auto& x : f3.primary)
            x = real(rng);
        if (points > 3) {
            f3.primary[1] = std::numeric_limits<float>::infinity();
            f3.primary[2] = std::numeric_limits<float>::quiet_NaN();
        }
        layout.columns.push_back({ ColumnSource::Float, 3, false, 0, 7, {} });
        // Logic probes of a 32-bit logic unit and of a classic group, both
        // values of a pair.
        for (int bit : { 0, 7, 15 })
            layout.columns.push_back({ ColumnSource::LogicBit, 20, false, bit, 0, {} });
        auto& g0 = tables.logicGroups.groups[0];
        g0.saved = true;
        words(g0.primary);
        words(g0.secondary);
        for (int bit = 4; bit < 8; ++bit) {
            layout.columns.push_back({ ColumnSource::GroupBit, 0, false, bit, 0, {} });
            layout.columns.push_back({ ColumnSource::GroupBit, 0, true, bit, 0, {} });
        }
    }
};

std::string Reference(const RandomRecord& rec, std::int64_t first, std::int64_t step, std::int64_t rows)
{
    std::string out;
    test::ReferenceTextWriter ref(rec.layout, rec.tables, 0);
    ref.writeRows(first, step, rows, [&](const char* d, std::size_t n) { out.append(d, n); });
    return out;
}

std::string Fast(const RandomRecord& rec, std::int64_t first, std::int64_t step, std::int64_t rows, bool thread,
    std::size_t block = 4096)
{
    test::ScratchFolder dir;
    TextFileOutput out(block, thread);
    EXPECT_TRUE(out.open(dir / "rows.txt", false));
    RowWriter writer(rec.layout);
    writer.bind(rec.tables, 0);
    EXPECT_TRUE(writer.writeRows(out, first, step, rows));
    EXPECT_EQ(out.finish(), WriteError::None);
    return test::ReadWholeFile(dir / "rows.txt");
}

ExportTimeColumn SecondsColumn(int precision, std::int64_t trigger, double interval)
{
    ExportTimeColumn t;
    t.present = true;
    t.notation = 0;
    t.precision = precision;
    t.triggerPoint = trigger;
    t.interval = interval;
    return t;
}

class RowWriterMatchesPrintf : public ::testing::TestWithParam<std::tuple<int, bool, int>> { };

TEST_P(RowWriterMatchesPrintf, OnSeededRandomTables)
{
    const auto [format, crlf, notation] = GetParam();
    ScopedLocale locale({ format == 0 ? ',' : '.', format == 0 ? ';' : ',', "HH:mm:ss", true });
    ExportTimeColumn time = SecondsColumn(7 + notation, 1234, 1e-5 * (notation + 1));
    time.notation = notation;
    time.triggerMoment = DateTime::FromSeconds(1700000000);
    const std::int64_t points = 5000;
    RandomRecord rec(
        static_cast<std::uint32_t>(format * 100 + notation * 10 + crlf), points, MakeTextStyle(format, crlf), time);
    EXPECT_EQ(Fast(rec, 0, 1, points, true), Reference(rec, 0, 1, points));
    EXPECT_EQ(Fast(rec, 17, 7, (points - 17) / 7, false), Reference(rec, 17, 7, (points - 17) / 7));
}

INSTANTIATE_TEST_SUITE_P(FormatsAndNotations, RowWriterMatchesPrintf,
    ::testing::Combine(::testing::Values(0, 1, 2, 3), ::testing::Bool(), ::testing::Values(0, 1, 2, 3, 4)));

TEST(RowWriter, TriggerPointReadsExactZeroAndRowsEndWithTheNewline)
{
    ScopedLocale locale({ '.', ',', "HH:mm:ss", true });
    RandomRecord rec(7, 10, MakeTextStyle(0, true), SecondsColumn(6, 3, 1.0 / 3.0));
    rec.layout.columns.resize(1);
    const std::string rows = Fast(rec, 2, 1, 3, true);
    const auto second = rows.find("\r\n") + 2;
    EXPECT_EQ(rows.substr(0, 14), "-3.333333e-001");
    EXPECT_EQ(rows.substr(second, 14), "0.000000e+000,");
    EXPECT_EQ(rows.substr(rows.size() - 2), "\r\n");
}

TEST(RowWriter, WithoutTimeColumnRowsStartWithTheFirstValue)
{
    ScopedLocale locale({ ',', ';', "HH:mm:ss", true });
    ExportTimeColumn none;
    RandomRecord rec(9, 50, MakeTextStyle(0, false), none);
    rec.tables.analog[0].primary[0] = 3200; // 3200 * 3.125e-4 + 0.25 = 1.25
    const std::string rows = Fast(rec, 0, 1, 50, false);
    EXPECT_EQ(rows.substr(0, 13), "+1,25000e+000");
    EXPECT_EQ(rows[13], ';');
    for (std::size_t pos = rows.find('\n'); pos + 1 < rows.size(); pos = rows.find('\n', pos + 1))
        EXPECT_NE(rows[pos + 1], ';') << "row starting at " << pos + 1;
    EXPECT_EQ(rows, Reference(rec, 0, 1, 50));
}

TEST(RowWriter, LongRunsAcrossManyBlocksStayInOrder)
{
    ScopedLocale locale({ '.', ',', "HH:mm:ss", true });
    const std::int64_t points = 60000;
    RandomRecord rec(11, points, MakeTextStyle(2, false), SecondsColumn(9, 30000, 2e-6));
    EXPECT_EQ(Fast(rec, 0, 1, points, true, 8192), Reference(rec, 0, 1, points));
}

} // namespace
} // namespace kp
