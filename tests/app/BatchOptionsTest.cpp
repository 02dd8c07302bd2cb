#include <gtest/gtest.h>

#include "app/BatchOptions.h"
#include "app/KpSettings.h"

namespace kp {
namespace {

TEST(BatchOptions, TheMakersTextFormatIsNotOfferedAndConvertStoresCsv)
{
    KpSettings s = KpSettings::Defaults();
    s.saveFormat = kFormatMakerText;
    BatchOptions o = BatchOptionsFromSettings(s);
    EXPECT_EQ(o.format, kFormatCsv);
    StoreBatchOptions(o, s);
    EXPECT_EQ(s.saveFormat, kFormatCsv);
}

TEST(BatchOptions, EveryOptionRoundTripsAndReachesTheRequest)
{
    KpSettings s = KpSettings::Defaults();
    s.saveEventInfo = true;
    s.saveTime = false;
    BatchOptions o { 7, "/out", kFormatTab, kNotationElapsed, 1, false, true, false, kHeaderChannelComments, true,
        true };
    StoreBatchOptions(o, s);
    EXPECT_EQ(BatchOptionsFromSettings(s), o);
    const BatchRequest r = MakeBatchRequest(s, { "/data/A.MEM" });
    EXPECT_EQ(r.outputFolder, "/out");
    EXPECT_EQ(r.options.thinOut, 7);
    EXPECT_EQ(r.options.format, kFormatTab);
    EXPECT_EQ(r.options.notation, kNotationElapsed);
    EXPECT_TRUE(r.options.crlf);
    EXPECT_EQ(r.options.headerType, kHeaderChannelComments);
    // The two switches without a control pass through unchanged.
    EXPECT_EQ(r.options.header, (ExportHeaderOptions { false, true, false, true, false }));
}

} // namespace
} // namespace kp
