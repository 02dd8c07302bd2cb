#include <gtest/gtest.h>

#include "app/VersionInfo.h"

namespace kp {
namespace {

TEST(VersionInfo, TakesTheFirstOfAtMostFiveLinesOfThisProgram)
{
    std::string text = "Model,Name,Version,Date,Size,Url\r\n"
                       "4170-01,Other,1.0,2020-01-01,1,https://x.example/o\r\n";
    for (int i = 0; i < 7; ++i)
        text += "5595-50,Kp,2." + std::to_string(i) + ",2026-11-30,42,https://dl.example/kp?v=2." + std::to_string(i)
            + ",extra,more,fields,here,beyond,ten\r\n";
    const VersionInfo info = ParseVersionFile(text);
    EXPECT_EQ(info.text, text);
    ASSERT_EQ(info.matching.size(), 5u);
    EXPECT_EQ(info.message,
        "Product: 5595-50\nName: Kp\nLatest version: 2.0\nReleased: 2026-11-30\nDownload: https://dl.example/kp?v=2.0");
    EXPECT_EQ(info.link, "https://dl.example/kp?v=2.0");
}

TEST(VersionInfo, OnlyAPlainWebAddressIsOfferedForOpening)
{
    struct Case {
        const char* line;
        const char* link;
    };
    const Case cases[] = {
        { "5595-50,Kp,2.0,2026,1,HTTP://dl.example/a", "HTTP://dl.example/a" },
        { "5595-50,Kp,2.0,2026,1,file:///etc/passwd", "" },
        { "5595-50,Kp,2.0,2026,1,javascript:alert(1)", "" },
        { "5595-50,Kp,2.0,2026,1,https://a.example/x y", "" },
        { "5595-50,Kp,2.0,2026,1,https://a.example/\"&calc", "" },
        { "5595-50,Kp,2.0,2026,1,https:///nohost", "" },
        { "5595-50,Kp,2.0", "" }, // too few fields
        { "5595-50,", "" },
    };
    for (const Case& c : cases) {
        const VersionInfo info = ParseVersionFile(c.line);
        ASSERT_EQ(info.matching.size(), 1u) << c.line;
        EXPECT_EQ(info.link, c.link) << c.line;
    }
    EXPECT_TRUE(ParseVersionFile("5594-50,Kp\n 5595-50,Kp\n").matching.empty());
    EXPECT_EQ(ParseVersionFile(std::string(kMaxVersionFileBytes + 10, 'x')).text.size(), kMaxVersionFileBytes);
}

} // namespace
} // namespace kp
