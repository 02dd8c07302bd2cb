#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/BatchOptionsPanel.h"
#include "display/CWaveBatchConvertDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kp {
namespace {

using test::Q;
using test::ScratchFolder;
using test::WriteDemo;

struct BatchHarness {
    KpSettings settings = KpSettings::Defaults();
    RecordingMessages messages;
    NullProgress progress;
    std::vector<BatchResult> summaries;
    std::vector<QString> opened;

    BatchResult Run(const std::function<bool(CWaveBatchConvertDlg&)>& fill)
    {
        BatchCommandServices s { settings, messages, progress, fill,
            [this](const BatchResult& r) { summaries.push_back(r); },
            [this](const QString& f) {
                opened.push_back(f);
                return true;
            } };
        return RunBatchConversionCommand(nullptr, s);
    }
};

void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

TEST(CWaveBatchConvertDlg, ConvertsTheChosenFilesWithTheOptionsAsSetAndStoresThem)
{
    ScratchFolder dir;
    WriteDemo(dir, "A.MEM", 1000);
    WriteDemo(dir, "B.REC", 1000);
    std::filesystem::create_directory(dir / "out");
    BatchHarness h;
    h.settings.loadFolder = dir.path().string();
    h.settings.csvExecute = true;
    const BatchResult result = h.Run([&](CWaveBatchConvertDlg& d) {
        EXPECT_EQ(d.windowTitle(), "Batch Conversion");
        EXPECT_EQ(d.labelText(QFileDialog::Accept), "&Convert");
        EXPECT_EQ(d.directory().absolutePath(), Q(dir.path()));
        d.selectFile(QStringLiteral("\"A.MEM\" \"B.REC\""));
        BatchOptionsPanel& p = d.options();
        Type(p.thinOutEdit(), QStringLiteral("2"));
        Type(p.folderEdit(), Q(dir / "out"));
        p.formatBox()->setCurrentIndex(2);
        return true;
    });
    ASSERT_EQ(result.files.size(), 2u);
    EXPECT_TRUE(result.AllConverted());
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "A.TXT"));
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "B.TXT"));
    EXPECT_EQ(h.settings.thinOut, 2);
    EXPECT_EQ(h.settings.saveFormat, kFormatTab);
    EXPECT_EQ(h.settings.saveFolder, (dir / "out").string());
    EXPECT_EQ(h.summaries.size(), 1u);
    EXPECT_EQ(h.opened, std::vector<QString> { Q(dir / "out") });
    EXPECT_TRUE(h.messages.shown().empty());
}

TEST(CWaveBatchConvertDlg, AThinOutOfZeroConvertsNothingAndKeepsTheSettings)
{
    ScratchFolder dir;
    WriteDemo(dir, "A.MEM", 1000);
    BatchHarness h;
    h.settings.loadFolder = dir.path().string();
    const KpSettings before = h.settings;
    const BatchResult result = h.Run([&](CWaveBatchConvertDlg& d) {
        d.selectFile(QStringLiteral("A.MEM"));
        Type(d.options().thinOutEdit(), QStringLiteral("0"));
        return true;
    });
    EXPECT_TRUE(result.files.empty());
    ASSERT_EQ(h.messages.shown().size(), 1u);
    EXPECT_EQ(h.messages.shown()[0].text, "Please input 1-10000 to thinout");
    EXPECT_EQ(h.settings, before);
    EXPECT_FALSE(std::filesystem::exists(dir / "A.CSV"));
}

TEST(BatchOptionsPanel, TheAdvancedPartAndTheHeaderTypeFollowTheirSwitches)
{
    BatchOptionsPanel p;
    BatchOptions o;
    o.format = kFormatSpace;
    o.expanded = false;
    p.load(o);
    EXPECT_TRUE(p.extendedPart()->isHidden());
    EXPECT_EQ(p.expandButton()->text(), "Adv. >>");
    p.expandButton()->click();
    EXPECT_FALSE(p.extendedPart()->isHidden());
    EXPECT_EQ(p.expandButton()->text(), "<< Adv.");
    EXPECT_TRUE(p.headerTypeBox()->isEnabled());
    p.channelHeaderBox()->click();
    EXPECT_FALSE(p.headerTypeBox()->isEnabled());
    BatchOptions expected = o;
    expected.expanded = true;
    expected.channelHeader = false;
    EXPECT_EQ(p.store(), expected);
    EXPECT_EQ(p.formatBox()->currentText(), "Text(Space Separated)");
}

} // namespace
} // namespace kp
