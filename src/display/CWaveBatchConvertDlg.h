#pragma once
// "&Batch Conversion...": the program's file dialog with the batch option
// panel below it, the conversion of every chosen file, and the summary of
// what became of each one.

#include "app/BatchConversion.h"
#include "app/BatchOptions.h"

#include <QDialog>
#include <QFileDialog>

#include <functional>

class QAction;
class QPlainTextEdit;

namespace kp {

class BatchOptionsPanel;
class ProgressWindow;
class UserMessages;
struct KpSettings;

class CWaveBatchConvertDlg : public QFileDialog {
    Q_OBJECT

public:
    CWaveBatchConvertDlg(QWidget* parent, const KpSettings& settings);

    BatchOptionsPanel& options() const { return *panel_; }
    // The chosen files in the order the dialog returns them.
    std::vector<std::filesystem::path> SelectedPaths() const;

private:
    BatchOptionsPanel* panel_ = nullptr;
};

// The end of a batch: the summary of every file, with a button that copies it.
class BatchSummaryDialog : public QDialog {
    Q_OBJECT

public:
    BatchSummaryDialog(const QString& summary, QWidget* parent);
    QPlainTextEdit* text() const { return text_; }

private:
    QPlainTextEdit* text_ = nullptr;
};

struct BatchCommandServices {
    KpSettings& settings;
    UserMessages& messages;
    ProgressWindow& progress;
    // Shows the dialog; false when it was cancelled. Tests fill it instead.
    std::function<bool(CWaveBatchConvertDlg&)> runDialog;
    // Shows the summary. Tests read it instead.
    std::function<void(const BatchResult&)> showSummary;
    // Opens the output folder with the desktop.
    std::function<bool(const QString&)> openFolder;
};

// The whole command: dialog, settings, batch, summary. The open document is
// not touched. Returns the batch's result (empty when nothing was converted).
BatchResult RunBatchConversionCommand(QWidget* parent, const BatchCommandServices& services);

// The menu command with its key (Ctrl+B), run on the desktop's dialogs.
QAction* MakeBatchConversionAction(
    QWidget* parent, KpSettings& settings, UserMessages& messages, ProgressWindow& progress);

} // namespace kp
