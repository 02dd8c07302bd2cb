#include <gtest/gtest.h>

#include "app/KpSettings.h"
#include "app/QtSettingsStore.h"
#include "support/ScratchFolder.h"

#include <QDir>

#include <cstdlib>

namespace kp {
namespace {

QString IniIn(const test::ScratchFolder& dir)
{
    return QString::fromStdString((dir / "Kp.conf").string());
}

TEST(QtSettingsStore, ValuesSurviveAFreshStore)
{
    test::ScratchFolder dir;
    {
        QtSettingsStore store(IniIn(dir));
        store.writeInt("Save", "ThinOut", 25);
        store.writeText("Save", "SaveFolder", "/home/me/a, b; c=d \"q\" \xC3\xA4");
        store.writeText("Main", "TextColor", "1 2 3");
        store.writeBinary("Main", "CustomColor", { 0, 1, 254, 255, '\n', '=' });
        EXPECT_TRUE(store.flush());
    }
    QtSettingsStore store(IniIn(dir));
    EXPECT_EQ(store.readInt("Save", "ThinOut", 1), 25);
    EXPECT_EQ(store.readText("Save", "SaveFolder", ""), "/home/me/a, b; c=d \"q\" \xC3\xA4");
    EXPECT_EQ(store.readText("Main", "TextColor", ""), "1 2 3");
    EXPECT_EQ(store.readBinary("Main", "CustomColor"), (std::vector<std::uint8_t> { 0, 1, 254, 255, '\n', '=' }));
}

TEST(QtSettingsStore, MissingOrMistypedValuesGiveTheDefault)
{
    test::ScratchFolder dir;
    QtSettingsStore store(IniIn(dir));
    EXPECT_EQ(store.readInt("Save", "ThinOut", 7), 7);
    EXPECT_EQ(store.readText("Save", "SaveFolder", "none"), "none");
    EXPECT_FALSE(store.readBinary("Main", "CustomColor"));
    store.writeText("Save", "ThinOut", "many");
    EXPECT_EQ(store.readInt("Save", "ThinOut", 7), 7);
    EXPECT_FALSE(store.readBinary("Save", "ThinOut"));
}

TEST(QtSettingsStore, CarriesTheWholeSettingsRecord)
{
    test::ScratchFolder dir;
    KpSettings written = KpSettings::Defaults();
    written.saveFormat = kFormatTab;
    written.saveFolder = "/out";
    written.customColours[3] = { 1, 2, 3 };
    written.gage.font = "Sans Serif,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1";
    {
        QtSettingsStore store(IniIn(dir));
        SaveSettings(written, store);
    }
    QtSettingsStore store(IniIn(dir));
    EXPECT_EQ(LoadSettings(store), written);
}

TEST(QtSettingsStore, LivesUnderTheUsersConfigurationFolder)
{
    // CTest points XDG_CONFIG_HOME into the build folder, so the tests never
    // touch the real settings.
    QtSettingsStore store;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const QString base
        = xdg != nullptr && *xdg != '\0' ? QString::fromLocal8Bit(xdg) : QDir::homePath() + QStringLiteral("/.config");
    EXPECT_EQ(QDir::cleanPath(store.fileName()), QDir::cleanPath(base + QStringLiteral("/Voranwerk/Kp.conf")));
}

} // namespace
} // namespace kp
