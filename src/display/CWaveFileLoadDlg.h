#pragma once
// "&Open...": the program's file dialog with a panel below it that shows the
// header facts of the file under the cursor, so that a recording can be
// picked by its title, instrument, function, length and trigger time.

#include <QFileDialog>

#include <array>

class QGroupBox;
class QLabel;

namespace kp {

struct HeaderPreview;

class HeaderPreviewPanel : public QWidget {
    Q_OBJECT

public:
    explicit HeaderPreviewPanel(QWidget* parent = nullptr);
    // Empties the fields; "FILE NAME" as the caption.
    void Clear();
    void Show(const HeaderPreview& preview);
    // The preview of path, or an empty panel.
    void ShowFile(const QString& path);

    QGroupBox* frame() const { return frame_; }
    // Title, instrument, function, shot, count, time/div, sampling, trigger
    // date and time, and the three saved-channel lines, in this order.
    const std::array<QLabel*, 12>& fields() const { return fields_; }

private:
    QGroupBox* frame_ = nullptr;
    std::array<QLabel*, 12> fields_ {};
};

class CWaveFileLoadDlg : public QFileDialog {
    Q_OBJECT

public:
    CWaveFileLoadDlg(QWidget* parent, const QString& folder, int filterIndex);
    HeaderPreviewPanel& preview() const { return *preview_; }
    int SelectedFilterIndex() const;

    // The file types of the dialog: all waveform and index files first.
    static QStringList Filters();

private:
    HeaderPreviewPanel* preview_ = nullptr;
};

} // namespace kp
