#include "display/CWaveFileLoadDlg.h"

#include "view/HeaderPreview.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace kp {

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

HeaderPreviewPanel::HeaderPreviewPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("HeaderPreviewPanel"));
    frame_ = new QGroupBox(this);
    auto* grid = new QGridLayout(frame_);
    for (auto& f : fields_) {
        f = new QLabel(frame_);
        f->setTextInteractionFlags(Qt::TextSelectableByMouse);
        f->setMinimumWidth(80);
    }
    auto label = [&](const char* text, int row, int column) {
        grid->addWidget(new QLabel(QString::fromLatin1(text), frame_), row, column);
    };
    label("Title", 0, 0);
    grid->addWidget(fields_[0], 0, 1, 1, 5);
    label("Instrument", 1, 0);
    grid->addWidget(fields_[1], 1, 1);
    label("Function", 1, 2);
    grid->addWidget(fields_[2], 1, 3);
    label("Shot", 2, 0);
    grid->addWidget(fields_[3], 2, 1);
    label("(Num)", 2, 2);
    grid->addWidget(fields_[4], 2, 3);
    label("Time/DIV", 3, 0);
    grid->addWidget(fields_[5], 3, 1);
    label("(Sampling)", 3, 2);
    grid->addWidget(fields_[6], 3, 3);
    label("Trig Date", 4, 0);
    grid->addWidget(fields_[7], 4, 1);
    label("Trig Time", 4, 2);
    grid->addWidget(fields_[8], 4, 3);
    label("Saved Ch", 5, 0);
    grid->addWidget(fields_[9], 5, 1, 1, 5);
    grid->addWidget(fields_[10], 6, 1, 1, 5);
    grid->addWidget(fields_[11], 7, 1, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame_);
    Clear();
}

void HeaderPreviewPanel::Clear()
{
    frame_->setTitle(QStringLiteral("FILE NAME"));
    for (QLabel* f : fields_)
        f->clear();
}

void HeaderPreviewPanel::Show(const HeaderPreview& p)
{
    frame_->setTitle(Q(p.fileName));
    const std::array<const std::string*, 12> texts { &p.title, &p.instrument, &p.function, &p.shot, &p.count,
        &p.timePerDiv, &p.sampling, &p.trigDate, &p.trigTime, &p.savedChannels[0], &p.savedChannels[1],
        &p.savedChannels[2] };
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(Q(*texts[i]));
}

void HeaderPreviewPanel::ShowFile(const QString& path)
{
    Clear();
    if (path.isEmpty())
        return;
    if (const auto preview = ReadHeaderPreview(std::filesystem::path(path.toStdString())))
        Show(*preview);
}

QStringList CWaveFileLoadDlg::Filters()
{
    return { QStringLiteral("Waveform Files (*.MEM *.REC *.RMS *.WAV *.POW *.XYC *.R_M *.SEQ *.MUL *.RMM *.IDX)"),
        QStringLiteral("Memory Files (*.MEM)"), QStringLiteral("Recorder Files (*.REC *.RMS)"),
        QStringLiteral("Index Files (*.R_M *.SEQ *.MUL *.RMM *.IDX)"), QStringLiteral("All Files (*)") };
}

CWaveFileLoadDlg::CWaveFileLoadDlg(QWidget* parent, const QString& folder, int filterIndex)
    : QFileDialog(parent)
{
    setObjectName(QStringLiteral("OpenDialog"));
    // The preview panel goes into the dialog's own layout.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setWindowTitle(QStringLiteral("Open"));
    const QStringList filters = Filters();
    setNameFilters(filters);
    selectNameFilter(filters.value(filterIndex, filters.front()));
    if (!folder.isEmpty() && QDir(folder).exists())
        setDirectory(folder);
    preview_ = new HeaderPreviewPanel(this);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(preview_, grid->rowCount(), 0, 1, grid->columnCount());
    connect(this, &QFileDialog::currentChanged, preview_, &HeaderPreviewPanel::ShowFile);
}

int CWaveFileLoadDlg::SelectedFilterIndex() const
{
    const auto index = nameFilters().indexOf(selectedNameFilter());
    return index < 0 ? 0 : static_cast<int>(index);
}

} // namespace kp
