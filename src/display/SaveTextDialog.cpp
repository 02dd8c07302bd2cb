#include "display/SaveTextDialog.h"

#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "display/SaveOptionsPanel.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "wavefile/CKpDoc.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QUrl>

#include <algorithm>

namespace kp {

namespace {

QString Text(int id)
{
    return QString::fromUtf8(KpString(id).data(), static_cast<int>(KpString(id).size()));
}

QStringList NameFilters()
{
    QStringList filters;
    const QStringList labels = SaveFormatLabels();
    for (int i = 0; i < labels.size(); ++i)
        filters << labels[i] + (i == 0 ? QStringLiteral(" (*.CSV *.csv)") : QStringLiteral(" (*.TXT *.txt)"));
    return filters;
}

QString SuffixOf(int format)
{
    return format == kFormatCsv ? QStringLiteral("CSV") : QStringLiteral("TXT");
}

} // namespace

QStringList SaveFormatLabels()
{
    return { QStringLiteral("CSV(Comma Separated)"), QStringLiteral("Text(Space Separated)"),
        QStringLiteral("Text(TAB Separated)"), QStringLiteral("VORAN 5544 Text Format") };
}

CSaveTextDialog::CSaveTextDialog(QWidget* parent, bool betweenCursors, const KpSettings& settings, std::int64_t points,
    bool externalClock, const QString& fileTitle, const QString& fileFolder, UserMessages& messages)
    : QFileDialog(parent)
    , messages_(messages)
{
    setObjectName(QStringLiteral("SaveTextDialog"));
    // The option panel is added to the dialog's own layout, which only the
    // program's own file dialog has.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setWindowTitle(Text(betweenCursors ? IDS_SAVE_BETWEEN_CURSORS : IDS_SAVE));
    const QStringList filters = NameFilters();
    setNameFilters(filters);
    const int format = std::clamp(settings.saveFormat, 0, 3);
    selectNameFilter(filters[format]);
    setDefaultSuffix(SuffixOf(format));
    connect(this, &QFileDialog::filterSelected, this,
        [this](const QString&) { setDefaultSuffix(SuffixOf(SelectedFormat())); });

    QString folder = QString::fromStdString(settings.saveFolder);
    if (settings.saveSameDir && !fileFolder.isEmpty())
        folder = fileFolder;
    if (!folder.isEmpty() && QDir(folder).exists())
        setDirectory(folder);
    if (!fileTitle.isEmpty())
        selectFile(fileTitle);

    panel_ = new SaveOptionsPanel(settings, points, externalClock, this);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(panel_, grid->rowCount(), 0, 1, grid->columnCount());
}

int CSaveTextDialog::SelectedFormat() const
{
    const int index = static_cast<int>(nameFilters().indexOf(selectedNameFilter()));
    return index < 0 ? kFormatCsv : index;
}

void CSaveTextDialog::accept()
{
    if (!panel_->Validate(messages_))
        return;
    QFileDialog::accept();
}

void CSaveTextDialog::StoreSettings(KpSettings& settings) const
{
    panel_->Store(settings);
    settings.saveFormat = SelectedFormat();
    settings.saveFolder = QDir::toNativeSeparators(directory().absolutePath()).toStdString();
}

SaveAsTextRequest MakeSaveRequest(const KpSettings& s, const QString& path, bool betweenCursors, std::int64_t cursorA,
    std::int64_t cursorB, bool externalClock)
{
    SaveAsTextRequest r;
    r.path = std::filesystem::path(path.toStdString());
    if (betweenCursors) {
        r.first = cursorA;
        r.last = cursorB;
    }
    r.thinOut = s.thinOut;
    r.notation = externalClock ? kNotationPoint : s.saveTimeNotation;
    r.header = s.HeaderOptions();
    r.headerType = s.saveChHeaderType;
    r.format = s.saveFormat;
    r.crlf = s.saveNewLine == 1;
    r.pointsPerFile = s.saveDivide ? s.saveDivideNum : 0;
    return r;
}

bool OpenWithDesktop(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool PerformSave(const CKpDoc& doc, const SaveAsTextRequest& request, bool openAfter, UserMessages& messages,
    ProgressWindow& progress, const FileOpener& opener)
{
    const SaveAsTextResult result = SaveAsText(doc, request, messages, progress);
    if (!result.completed)
        return false;
    if (openAfter && !result.paths.empty()) {
        const QString path = QString::fromStdString(result.paths.front().string());
        if (!opener || !opener(path))
            messages.show(std::string(KpString(IDS_COULD_NOT_EXECUTE)), MessageButtons::Ok, MessageIcon::Error);
    }
    return true;
}

void RunSaveTextCommand(QWidget* parent, bool betweenCursors, const CKpDoc& doc, const CKpView& view,
    KpSettings& settings, UserMessages& messages, ProgressWindow& progress)
{
    const ViewRecord* record = view.GetRecord();
    if (!doc.IsLoaded() || !view.IsLoaded() || !record)
        return;
    const std::int64_t points = betweenCursors ? view.GetCursorB() - view.GetCursorA() + 1
                                               : std::min(doc.GetDataLength(), doc.GetPointsRead());
    const QFileInfo source(QString::fromStdString(doc.GetPathName().string()));
    CSaveTextDialog dialog(parent, betweenCursors, settings, points, record->externalClock, source.completeBaseName(),
        source.absolutePath(), messages);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    dialog.StoreSettings(settings);
    const SaveAsTextRequest request = MakeSaveRequest(settings, dialog.selectedFiles().front(), betweenCursors,
        view.GetCursorA(), view.GetCursorB(), record->externalClock);
    PerformSave(doc, request, settings.csvExecute, messages, progress, OpenWithDesktop);
}

} // namespace kp
