#include "display/SaveOptionsPanel.h"

#include "app/KpSettings.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kp {

namespace {

QString Text(int id) { return QString::fromUtf8(KpString(id).data(), static_cast<int>(KpString(id).size())); }

QLabel* Buddy(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

int ReadNumber(const QLineEdit* edit, bool& ok)
{
    const int v = edit->text().trimmed().toInt(&ok);
    return ok ? v : 0;
}

} // namespace

SaveOptionsPanel::SaveOptionsPanel(const KpSettings& s, std::int64_t points, bool externalClock, QWidget* parent)
    : QWidget(parent), rangePoints_(points)
{
    setObjectName(QStringLiteral("SaveOptionsPanel"));
    auto* top = new QHBoxLayout;
    thinOut_ = new QLineEdit(QString::number(s.thinOut), this);
    thinOut_->setObjectName(QStringLiteral("ThinOut"));
    thinOut_->setMaximumWidth(70);
    notation_ = new QComboBox(this);
    notation_->setObjectName(QStringLiteral("TimeNotation"));
    for (int id = 13020; id <= 13023; ++id)
        notation_->addItem(Text(id));
    notation_->setCurrentIndex(std::clamp(s.saveTimeNotation, 0, 3));
    if (externalClock) {
        // A record sampled by an external clock has no time axis of its own.
        notation_->setCurrentIndex(kNotationPoint);
        notation_->setEnabled(false);
    }
    newline_ = new QComboBox(this);
    newline_->setObjectName(QStringLiteral("NewLine"));
    newline_->addItems({QStringLiteral("LF"), QStringLiteral("CR+LF")});
    newline_->setCurrentIndex(s.saveNewLine == 1 ? 1 : 0);
    advanced_ = new QPushButton(this);
    top->addWidget(Buddy(Text(1100), thinOut_, this));
    top->addWidget(thinOut_);
    top->addSpacing(12);
    top->addWidget(Buddy(Text(1109), notation_, this));
    top->addWidget(notation_);
    top->addSpacing(12);
    top->addWidget(Buddy(Text(1027), newline_, this));
    top->addWidget(newline_);
    top->addStretch(1);
    top->addWidget(advanced_);

    extended_ = new QWidget(this);
    auto* grid = new QGridLayout(extended_);
    grid->setContentsMargins(0, 0, 0, 0);
    storeInfo_ = new QCheckBox(Text(1132), extended_);
    channelInfo_ = new QCheckBox(Text(1133), extended_);
    channelHeader_ = new QCheckBox(Text(1134), extended_);
    timeColumn_ = new QCheckBox(QStringLiteral("&Time Column"), extended_);
    eventInfo_ = new QCheckBox(QStringLiteral("E&vent Info."), extended_);
    headerType_ = new QComboBox(extended_);
    headerType_->addItems({Text(13006), Text(13007)});
    execute_ = new QCheckBox(QStringLiteral("Open the File after Con&verting"), extended_);
    sameDir_ = new QCheckBox(QStringLiteral("Save in the &Waveform's Folder"), extended_);
    divide_ = new QCheckBox(QStringLiteral("D&ivide Files"), extended_);
    divideNum_ = new QLineEdit(QString::number(s.saveDivideNum), extended_);
    divideNum_->setObjectName(QStringLiteral("DivideNumber"));
    divideNum_->setMaximumWidth(90);
    storeInfo_->setChecked(s.saveHeader);
    channelInfo_->setChecked(s.saveChInfo);
    channelHeader_->setChecked(s.saveChHeader);
    timeColumn_->setChecked(s.saveTime);
    eventInfo_->setChecked(s.saveEventInfo);
    headerType_->setCurrentIndex(s.saveChHeaderType == 1 ? 1 : 0);
    execute_->setChecked(s.csvExecute);
    sameDir_->setChecked(s.saveSameDir);
    divide_->setChecked(s.saveDivide);
    divideNum_->setEnabled(s.saveDivide);
    grid->addWidget(storeInfo_, 0, 0);
    grid->addWidget(channelInfo_, 0, 1);
    grid->addWidget(channelHeader_, 0, 2);
    grid->addWidget(headerType_, 0, 3);
    grid->addWidget(timeColumn_, 1, 0);
    grid->addWidget(eventInfo_, 1, 1);
    grid->addWidget(execute_, 1, 2, 1, 2);
    grid->addWidget(sameDir_, 2, 0, 1, 2);
    grid->addWidget(divide_, 2, 2);
    auto* divideRow = new QHBoxLayout;
    divideRow->addWidget(divideNum_);
    divideRow->addWidget(new QLabel(QStringLiteral("points per file"), extended_));
    divideRow->addStretch(1);
    grid->addLayout(divideRow, 2, 3);

    points_ = new QLabel(this);
    points_->setObjectName(QStringLiteral("PointsToSave"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(top);
    layout->addWidget(extended_);
    layout->addWidget(points_);

    connect(thinOut_, &QLineEdit::textChanged, this, &SaveOptionsPanel::UpdatePoints);
    connect(divide_, &QCheckBox::toggled, divideNum_, &QWidget::setEnabled);
    connect(advanced_, &QPushButton::clicked, this, [this] { SetExtended(!IsExtended()); });
    SetExtended(s.saveExtendSetting);
    UpdatePoints();
}

bool SaveOptionsPanel::IsExtended() const { return !extended_->isHidden(); }

void SaveOptionsPanel::SetExtended(bool on)
{
    extended_->setHidden(!on);
    advanced_->setText(Text(on ? 3101 : 3100));
}

int SaveOptionsPanel::ThinOut() const
{
    bool ok = false;
    return ReadNumber(thinOut_, ok);
}

int SaveOptionsPanel::DivideNumber() const
{
    bool ok = false;
    return ReadNumber(divideNum_, ok);
}

int SaveOptionsPanel::Notation() const { return notation_->currentIndex(); }

std::int64_t SaveOptionsPanel::PointsToSave() const
{
    const int k = ThinOut();
    if (k < 1 || k > 10000 || rangePoints_ <= 0)
        return 0;
    return (rangePoints_ - 1) / k + 1;
}

void SaveOptionsPanel::UpdatePoints()
{
    points_->setText(QStringLiteral("Number of points to be saved : %1").arg(PointsToSave()));
}

bool SaveOptionsPanel::Validate(UserMessages& messages) const
{
    bool ok = false;
    const int k = ReadNumber(thinOut_, ok);
    if (!ok || k < 1 || k > 10000) {
        messages.show(std::string(KpString(IDS_THINOUT_RANGE)), MessageButtons::Ok, MessageIcon::Warning);
        thinOut_->setFocus();
        return false;
    }
    const int m = ReadNumber(divideNum_, ok);
    if (!ok || m < 1000 || m > 100000) {
        messages.show(std::string(KpString(IDS_DIVIDE_RANGE)), MessageButtons::Ok, MessageIcon::Warning);
        divideNum_->setFocus();
        return false;
    }
    return true;
}

void SaveOptionsPanel::Store(KpSettings& s) const
{
    s.thinOut = ThinOut();
    s.saveTimeNotation = Notation();
    s.saveNewLine = newline_->currentIndex();
    s.saveHeader = storeInfo_->isChecked();
    s.saveChInfo = channelInfo_->isChecked();
    s.saveChHeader = channelHeader_->isChecked();
    s.saveChHeaderType = headerType_->currentIndex();
    s.saveTime = timeColumn_->isChecked();
    s.saveEventInfo = eventInfo_->isChecked();
    s.csvExecute = execute_->isChecked();
    s.saveSameDir = sameDir_->isChecked();
    s.saveDivide = divide_->isChecked();
    s.saveDivideNum = DivideNumber();
    s.saveExtendSetting = IsExtended();
}

} // namespace kp
