#include "display/CWaveBatchConvertDlg.h"

#include "display/CommandActions.h"

#include "app/KpSettings.h"
#include "display/BatchOptionsPanel.h"
#include "export/ConvertWaveFile.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kp {

namespace {

const QString kFilter = QStringLiteral("Waveform file (*.MEM *.REC *.RMS)");

} // namespace

CWaveBatchConvertDlg::CWaveBatchConvertDlg(QWidget* parent, const KpSettings& settings)
    : QFileDialog(parent)
{
    setObjectName(QStringLiteral("BatchConvertDialog"));
    // The panel goes into the dialog's own layout, which only the program's
    // own file dialog has.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::ReadOnly, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFiles);
    setWindowTitle(QStringLiteral("Batch Conversion"));
    setNameFilter(kFilter);
    setLabelText(QFileDialog::Accept, QStringLiteral("&Convert"));
    const QString folder = QString::fromStdString(settings.loadFolder);
    if (!folder.isEmpty() && QDir(folder).exists())
        setDirectory(folder);

    panel_ = new BatchOptionsPanel(this);
    panel_->load(BatchOptionsFromSettings(settings));
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(panel_, grid->rowCount(), 0, 1, grid->columnCount());
}

std::vector<std::filesystem::path> CWaveBatchConvertDlg::SelectedPaths() const
{
    std::vector<std::filesystem::path> paths;
    for (const QString& f : selectedFiles())
        paths.emplace_back(f.toStdString());
    return paths;
}

BatchSummaryDialog::BatchSummaryDialog(const QString& summary, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("BatchSummaryDialog"));
    setWindowTitle(QStringLiteral("Batch Conversion"));
    text_ = new QPlainTextEdit(summary, this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("CopySummary"));
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(text_->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(640, 320);
}

BatchResult RunBatchConversionCommand(QWidget* parent, const BatchCommandServices& s)
{
    CWaveBatchConvertDlg dialog(parent, s.settings);
    if (!s.runDialog(dialog))
        return {};
    BatchOptions options = dialog.options().store();
    if (options.thinOut == 0) {
        s.messages.show(std::string(KpString(IDS_THINOUT_RANGE)), MessageButtons::Ok, MessageIcon::Warning);
        return {};
    }
    s.settings.convFilterIndex = 0;
    s.settings.loadFolder = QDir::toNativeSeparators(dialog.directory().absolutePath()).toStdString();
    StoreBatchOptions(options, s.settings);

    const BatchResult result
        = RunBatchConversion(MakeBatchRequest(s.settings, dialog.SelectedPaths()), ConvertWaveFile, s.progress);
    if (result.files.empty())
        return result;
    s.showSummary(result);
    if (result.LastConverted() && s.settings.csvExecute) {
        const std::filesystem::path folder = s.settings.saveFolder.empty()
            ? result.files.back().output.parent_path()
            : std::filesystem::path(s.settings.saveFolder);
        s.openFolder(QString::fromStdString(folder.string()));
    }
    return result;
}

QAction* MakeBatchConversionAction(
    QWidget* parent, KpSettings& settings, UserMessages& messages, ProgressWindow& progress)
{
    QAction* action = MakeCommandAction(parent, CommandId::BatchConversion);
    action->setObjectName(QStringLiteral("BatchConversionAction"));
    QObject::connect(action, &QAction::triggered, parent, [parent, &settings, &messages, &progress] {
        BatchCommandServices services { settings, messages, progress,
            [](CWaveBatchConvertDlg& d) { return d.exec() == QDialog::Accepted; },
            [parent](const BatchResult& r) {
                BatchSummaryDialog summary(QString::fromStdString(BatchSummaryText(r)), parent);
                summary.exec();
            },
            [](const QString& folder) { return QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); } };
        RunBatchConversionCommand(parent, services);
    });
    return action;
}

} // namespace kp
