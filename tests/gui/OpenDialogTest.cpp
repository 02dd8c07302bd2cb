#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/CWaveFileLoadDlg.h"
#include "export/ExportRecordings.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace kp {
namespace {

using test::Q;
using test::ScratchFolder;

TEST(CWaveFileLoadDlg, ThePanelPreviewsTheFileUnderTheCursorAndEmptiesForOthers)
{
    ScratchFolder dir;
    synth::WriteRecordingFile(test::ExportFamily1(200), dir / "A.MEM");
    dir.touch("B.MEM", std::string(700, 'x'));
    CWaveFileLoadDlg dialog(nullptr, Q(dir.path()), 0);
    dialog.show();
    HeaderPreviewPanel& panel = dialog.preview();
    const auto& f = panel.fields();
    EXPECT_EQ(panel.frame()->title(), "FILE NAME");

    dialog.selectFile(QStringLiteral("A.MEM"));
    QTRY_COMPARE(panel.frame()->title(), QStringLiteral("A.MEM"));
    EXPECT_EQ(f[0]->text(), "Test run");
    EXPECT_EQ(f[2]->text(), "MEM");
    EXPECT_EQ(f[7]->text(), "24-06-11");
    EXPECT_EQ(f[8]->text(), "12:34:56");
    EXPECT_EQ(f[9]->text(), " A1,A3");

    dialog.selectFile(QStringLiteral("B.MEM"));
    QTRY_COMPARE(panel.frame()->title(), QStringLiteral("FILE NAME"));
    for (QLabel* label : f)
        EXPECT_TRUE(label->text().isEmpty());
}

} // namespace
} // namespace kp
