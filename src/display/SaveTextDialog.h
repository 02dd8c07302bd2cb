#pragma once
// "&Save All..." and "Save Between &Cursors...": the save dialog (the file
// dialog with the option panel below it), the conversion of the open record,
// and opening the result when asked to.

#include "export/SaveAsText.h"

#include <QFileDialog>

#include <cstdint>
#include <functional>

namespace kp {

class CKpDoc;
class CKpView;
class ProgressWindow;
class SaveOptionsPanel;
class UserMessages;
struct KpSettings;

// The four output formats as the save dialog lists them.
QStringList SaveFormatLabels();

class CSaveTextDialog : public QFileDialog {
    Q_OBJECT

public:
    // points: the points of the range; fileTitle: the open file's name
    // without its extension; fileFolder: its folder.
    CSaveTextDialog(QWidget* parent, bool betweenCursors, const KpSettings& settings, std::int64_t points,
        bool externalClock, const QString& fileTitle, const QString& fileFolder, UserMessages& messages);

    SaveOptionsPanel& options() const { return *panel_; }
    int SelectedFormat() const;
    // Every option back into the settings, with the chosen format and the
    // folder the dialog ended in.
    void StoreSettings(KpSettings& settings) const;

public slots:
    void accept() override;

private:
    SaveOptionsPanel* panel_ = nullptr;
    UserMessages& messages_;
};

// The request of one save from the settings as the dialog left them.
SaveAsTextRequest MakeSaveRequest(const KpSettings& settings, const QString& path, bool betweenCursors,
    std::int64_t cursorA, std::int64_t cursorB, bool externalClock);

// Runs the conversion; when it completed and openAfter is set, opens the
// first file it wrote with the desktop's handler (string 3007 when that
// fails). Returns whether the conversion completed.
using FileOpener = std::function<bool(const QString&)>;
bool PerformSave(const CKpDoc& doc, const SaveAsTextRequest& request, bool openAfter, UserMessages& messages,
    ProgressWindow& progress, const FileOpener& opener);

// The desktop's "open" for a file.
bool OpenWithDesktop(const QString& path);

// The whole command: dialog, settings, conversion. Nothing happens while no
// record is loaded.
void RunSaveTextCommand(QWidget* parent, bool betweenCursors, const CKpDoc& doc, const CKpView& view,
    KpSettings& settings, UserMessages& messages, ProgressWindow& progress);

} // namespace kp
