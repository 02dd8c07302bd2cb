#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/CKpView.h"
#include "display/SaveOptionsPanel.h"
#include "display/SaveTextDialog.h"
#include "resources/StringTable.h"
#include "wavefile/CKpDoc.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace kp {
namespace {

using test::FrameHarness;
using test::Q;
using test::ScratchFolder;
using test::WriteDemo;

struct SaveDialogTest : ::testing::Test {
    ScratchFolder dir;
    KpSettings settings = KpSettings::Defaults();
    RecordingMessages messages;

    std::unique_ptr<CSaveTextDialog> Make(std::int64_t points = 25001, bool externalClock = false)
    {
        auto d = std::make_unique<CSaveTextDialog>(
            nullptr, false, settings, points, externalClock, "A", Q(dir.path()), messages);
        d->setDirectory(Q(dir.path()));
        d->selectFile("A.CSV");
        return d;
    }
};

TEST_F(SaveDialogTest, ThinOutAndPointsPerFileOutsideTheirRangesKeepTheDialogOpen)
{
    auto d = Make();
    d->open();
    d->options().thinOutEdit()->setText("0");
    d->accept();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, KpString(IDS_THINOUT_RANGE));
    EXPECT_TRUE(d->isVisible());
    d->options().thinOutEdit()->setText("10001");
    d->accept();
    EXPECT_EQ(messages.shown().size(), 2u);
    d->options().thinOutEdit()->setText("10000");
    d->options().divideEdit()->setText("999");
    d->accept();
    ASSERT_EQ(messages.shown().size(), 3u);
    EXPECT_EQ(messages.shown()[2].text, KpString(IDS_DIVIDE_RANGE));
    EXPECT_TRUE(d->isVisible());
    d->options().divideEdit()->setText("100000");
    d->accept();
    EXPECT_EQ(messages.shown().size(), 3u);
    EXPECT_EQ(d->result(), QDialog::Accepted);
}

TEST_F(SaveDialogTest, OptionsGoBackIntoTheSettingsOnOk)
{
    settings.saveFormat = kFormatTab;
    settings.saveDivide = true;
    auto d = Make();
    EXPECT_EQ(d->SelectedFormat(), kFormatTab);
    EXPECT_EQ(d->windowTitle(), "Save");
    d->selectNameFilter(d->nameFilters()[1]);
    d->options().thinOutEdit()->setText("3");
    d->options().notationBox()->setCurrentIndex(2);
    d->options().divideEdit()->setText("20000");
    EXPECT_EQ(d->options().PointsToSave(), 8334); // 25001 points, every third
    EXPECT_TRUE(d->options().pointsLabel()->text().contains("8334"));
    d->StoreSettings(settings);
    EXPECT_EQ(settings.saveFormat, kFormatSpace);
    EXPECT_EQ(settings.thinOut, 3);
    EXPECT_EQ(settings.saveTimeNotation, 2);
    EXPECT_EQ(settings.saveDivideNum, 20000);
    EXPECT_TRUE(settings.saveDivide);
    EXPECT_FALSE(settings.saveFolder.empty());
}

TEST_F(SaveDialogTest, AnExternalClockFixesTheNotationToPointNumbers)
{
    settings.saveTimeNotation = kNotationSeconds;
    auto d = Make(100, true);
    EXPECT_EQ(d->options().Notation(), kNotationPoint);
    EXPECT_FALSE(d->options().notationBox()->isEnabled());
    const SaveAsTextRequest r = MakeSaveRequest(settings, "/tmp/A.CSV", false, 5, 10, true);
    EXPECT_EQ(r.notation, kNotationPoint);
}

TEST_F(SaveDialogTest, StartsInTheSaveFolderOrBesideTheRecordingWithItsTitle)
{
    std::filesystem::create_directories(dir / "saved");
    std::filesystem::create_directories(dir / "rec");
    settings.saveFolder = (dir / "saved").string();
    for (const bool sameDir : { false, true }) {
        settings.saveSameDir = sameDir;
        CSaveTextDialog d(nullptr, false, settings, 10, false, "RECORD1", Q(dir / "rec"), messages);
        EXPECT_EQ(d.directory().absolutePath(), Q(dir / (sameDir ? "rec" : "saved"))) << sameDir;
        ASSERT_FALSE(d.selectedFiles().isEmpty());
        EXPECT_EQ(QFileInfo(d.selectedFiles().front()).completeBaseName(), "RECORD1");
    }
}

TEST(SaveRequest, BetweenCursorsTakesARangeAndDivisionItsCount)
{
    KpSettings s = KpSettings::Defaults();
    s.saveDivide = true;
    s.saveDivideNum = 10000;
    s.saveNewLine = 1;
    const SaveAsTextRequest all = MakeSaveRequest(s, "/tmp/A.CSV", false, 5, 10, false);
    EXPECT_EQ(all.first, -1);
    EXPECT_EQ(all.last, -1);
    EXPECT_TRUE(all.crlf);
    EXPECT_EQ(all.pointsPerFile, 10000);
    const SaveAsTextRequest between = MakeSaveRequest(s, "/tmp/A.CSV", true, 5, 10, false);
    EXPECT_EQ(between.first, 5);
    EXPECT_EQ(between.last, 10);
    s.saveDivide = false;
    EXPECT_EQ(MakeSaveRequest(s, "/tmp/A.CSV", true, 5, 10, false).pointsPerFile, 0);
}

TEST(SaveCommand, WritesTheRangeBetweenTheCursorsAndOpensTheResult)
{
    ScratchFolder dir;
    FrameHarness h;
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(WriteDemo(dir, "A.MEM", 1000))));
    CKpView& view = h.frame->View();
    view.SetCursors(100, 199);
    KpSettings s = KpSettings::Defaults();
    s.saveHeader = s.saveChInfo = s.saveChHeader = false;
    s.saveTimeNotation = kNotationPoint;
    const auto out = dir / "OUT.CSV";
    const SaveAsTextRequest r = MakeSaveRequest(s, Q(out), true, view.GetCursorA(), view.GetCursorB(), false);
    QStringList opened;
    EXPECT_TRUE(PerformSave(h.frame->Document(), r, true, h.messages, h.progress, [&](const QString& p) {
        opened << p;
        return true;
    }));
    EXPECT_EQ(opened, QStringList { Q(out) });
    const std::string text = test::ReadWholeFile(out);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 100);
    EXPECT_TRUE(h.messages.shown().empty());

    // The desktop could not open it: the conversion still counts as done.
    EXPECT_TRUE(
        PerformSave(h.frame->Document(), r, true, h.messages, h.progress, [](const QString&) { return false; }));
    ASSERT_EQ(h.messages.shown().size(), 1u);
    EXPECT_EQ(h.messages.shown()[0].text, KpString(IDS_COULD_NOT_EXECUTE));
}

TEST(SaveCommand, ADividedSaveOpensTheFirstFileItWrote)
{
    ScratchFolder dir;
    FrameHarness h;
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(WriteDemo(dir, "A.MEM", 2500))));
    KpSettings s = KpSettings::Defaults();
    s.saveDivide = true;
    s.saveDivideNum = 1000;
    const SaveAsTextRequest r = MakeSaveRequest(s, Q(dir / "f1.CSV"), false, 0, 0, false);
    QStringList opened;
    EXPECT_TRUE(PerformSave(h.frame->Document(), r, true, h.messages, h.progress, [&](const QString& p) {
        opened << p;
        return true;
    }));
    EXPECT_EQ(opened, QStringList { Q(dir / "f1-000.CSV") });
    EXPECT_TRUE(std::filesystem::exists(dir / "f1-002.CSV"));
    EXPECT_FALSE(std::filesystem::exists(dir / "f1.CSV"));
}

} // namespace
} // namespace kp
