#pragma once
// The option panel of the save dialog: thin-out, time notation, newline, the
// header switches and type, opening the result, the output folder rule, file
// division, and the number of points that will be saved.

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kp {

struct KpSettings;
class UserMessages;

class SaveOptionsPanel : public QWidget {
    Q_OBJECT

public:
    // points: how many points the range holds (before thinning out);
    // externalClock fixes the time notation to point numbers.
    SaveOptionsPanel(const KpSettings& settings, std::int64_t points, bool externalClock, QWidget* parent = nullptr);

    // Shows 4008 or 4018 and answers false when a number is out of range.
    bool Validate(UserMessages& messages) const;
    // Writes every option back (format and folder are the dialog's).
    void Store(KpSettings& settings) const;

    int ThinOut() const;
    int DivideNumber() const;
    int Notation() const;
    std::int64_t PointsToSave() const;
    bool IsExtended() const;

    QLineEdit* thinOutEdit() const { return thinOut_; }
    QLineEdit* divideEdit() const { return divideNum_; }
    QComboBox* notationBox() const { return notation_; }
    QLabel* pointsLabel() const { return points_; }

private:
    void UpdatePoints();
    void SetExtended(bool on);

    std::int64_t rangePoints_;
    QLineEdit* thinOut_ = nullptr;
    QComboBox* notation_ = nullptr;
    QComboBox* newline_ = nullptr;
    QPushButton* advanced_ = nullptr;
    QWidget* extended_ = nullptr;
    QCheckBox* storeInfo_ = nullptr;
    QCheckBox* channelInfo_ = nullptr;
    QCheckBox* channelHeader_ = nullptr;
    QCheckBox* timeColumn_ = nullptr;
    QCheckBox* eventInfo_ = nullptr;
    QComboBox* headerType_ = nullptr;
    QCheckBox* execute_ = nullptr;
    QCheckBox* sameDir_ = nullptr;
    QCheckBox* divide_ = nullptr;
    QLineEdit* divideNum_ = nullptr;
    QLabel* points_ = nullptr;
};

} // namespace kp
