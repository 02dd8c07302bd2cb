#include <gtest/gtest.h>

#include "resources/StringTable.h"

namespace kp {
namespace {

TEST(StringTable, LooksUpTextsByNumber)
{
    EXPECT_EQ(KpString(IDS_FILE_NOT_FOUND), "File not found.");
    EXPECT_EQ(KpString(3001), "The memory is insufficient.\n\nCould not allocate memory.");
    EXPECT_EQ(KpString(7303), "Freq :  %sHz Level : %s");
    EXPECT_TRUE(KpString(1).empty());
}

TEST(StringTable, FormatsThePathIntoItsPlace)
{
    EXPECT_EQ(KpFormat(IDS_UNSUPPORTED_MODEL, "9999"), "Unsupported model : 9999");
    // A "%" in the argument is text, never a format directive.
    EXPECT_EQ(KpFormat(IDS_NOT_WAVEFORM_FILE, "/a/%s%n.MEM"), "This file is not a waveform file\n\n/a/%s%n.MEM");
}

} // namespace
} // namespace kp
