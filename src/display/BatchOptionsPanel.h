#pragma once
// The option panel of the batch conversion dialog: thin-out, output folder,
// output format, time notation, opening the folder afterwards, and, behind
// "Adv. >>", the newline, the three header switches and the header type.

#include "app/BatchOptions.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kp {

class BatchOptionsPanel : public QWidget {
    Q_OBJECT

public:
    explicit BatchOptionsPanel(QWidget* parent = nullptr);

    void load(const BatchOptions& options);
    // The thin-out as typed; out of range (or not a number) gives 0.
    BatchOptions store() const;

    QLineEdit* thinOutEdit() const { return thinOut_; }
    QLineEdit* folderEdit() const { return folder_; }
    QPushButton* browseButton() const { return browse_; }
    QComboBox* formatBox() const { return format_; }
    QComboBox* notationBox() const { return notation_; }
    QComboBox* newlineBox() const { return newline_; }
    QCheckBox* channelHeaderBox() const { return channelHeader_; }
    QComboBox* headerTypeBox() const { return headerType_; }
    QPushButton* expandButton() const { return expand_; }
    QWidget* extendedPart() const { return extended_; }

private:
    void SetExpanded(bool on);

    QLineEdit* thinOut_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QPushButton* browse_ = nullptr;
    QComboBox* format_ = nullptr;
    QComboBox* notation_ = nullptr;
    QComboBox* newline_ = nullptr;
    QCheckBox* storeInfo_ = nullptr;
    QCheckBox* channelInfo_ = nullptr;
    QCheckBox* channelHeader_ = nullptr;
    QComboBox* headerType_ = nullptr;
    QCheckBox* openFolder_ = nullptr;
    QPushButton* expand_ = nullptr;
    QWidget* extended_ = nullptr;
    bool expanded_ = false;
};

} // namespace kp
