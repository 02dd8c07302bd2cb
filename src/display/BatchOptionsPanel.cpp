#include "display/BatchOptionsPanel.h"

#include "resources/StringTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kp {

namespace {

QString Text(int id)
{
    const std::string_view t = KpString(id);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QComboBox* Combo(QWidget* parent, const char* name, std::initializer_list<int> ids)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (int id : ids)
        box->addItem(Text(id));
    return box;
}

QLabel* Label(int id, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(Text(id), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

BatchOptionsPanel::BatchOptionsPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BatchOptionsPanel"));
    thinOut_ = new QLineEdit(this);
    thinOut_->setObjectName(QStringLiteral("ThinOut"));
    thinOut_->setMaximumWidth(80);
    folder_ = new QLineEdit(this);
    folder_->setObjectName(QStringLiteral("OutputFolder"));
    browse_ = new QPushButton(Text(1103), this);
    browse_->setObjectName(QStringLiteral("BrowseButton"));
    format_ = Combo(this, "OutputFormat", { 13000, 13001, 13002 });
    notation_ = Combo(this, "TimeNotation", { 13020, 13021, 13022, 13023 });
    openFolder_ = new QCheckBox(Text(1028), this);
    openFolder_->setObjectName(QStringLiteral("OpenFolder"));
    expand_ = new QPushButton(this);
    expand_->setObjectName(QStringLiteral("ExpandButton"));

    extended_ = new QWidget(this);
    newline_ = new QComboBox(extended_);
    newline_->setObjectName(QStringLiteral("NewlineCode"));
    newline_->addItems({ QStringLiteral("LF"), QStringLiteral("CR+LF") });
    storeInfo_ = new QCheckBox(Text(1132), extended_);
    channelInfo_ = new QCheckBox(Text(1133), extended_);
    channelHeader_ = new QCheckBox(Text(1134), extended_);
    channelHeader_->setObjectName(QStringLiteral("ChannelHeader"));
    headerType_ = Combo(extended_, "HeaderType", { 13006, 13007 });
    auto* ext = new QGridLayout(extended_);
    ext->setContentsMargins(0, 0, 0, 0);
    ext->addWidget(Label(1027, newline_, extended_), 0, 0);
    ext->addWidget(newline_, 0, 1);
    ext->addWidget(storeInfo_, 1, 0);
    ext->addWidget(channelInfo_, 1, 1);
    ext->addWidget(channelHeader_, 2, 0);
    ext->addWidget(headerType_, 2, 1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->addWidget(Label(1100, thinOut_, this), 0, 0);
    grid->addWidget(thinOut_, 0, 1);
    grid->addWidget(Label(1108, format_, this), 0, 2);
    grid->addWidget(format_, 0, 3);
    grid->addWidget(Label(1102, folder_, this), 1, 0);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse_);
    grid->addLayout(folderRow, 1, 1, 1, 3);
    grid->addWidget(Label(1109, notation_, this), 2, 2);
    grid->addWidget(notation_, 2, 3);
    grid->addWidget(openFolder_, 2, 0, 1, 2);
    grid->addWidget(expand_, 3, 0);
    grid->addWidget(extended_, 4, 0, 1, 4);

    connect(expand_, &QPushButton::clicked, this, [this] { SetExpanded(!expanded_); });
    connect(channelHeader_, &QCheckBox::toggled, headerType_, &QWidget::setEnabled);
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString chosen
            = QFileDialog::getExistingDirectory(this, QStringLiteral("Please Select Output Folder."), folder_->text());
        if (!chosen.isEmpty())
            folder_->setText(chosen);
    });
    load(BatchOptions {});
}

void BatchOptionsPanel::load(const BatchOptions& o)
{
    thinOut_->setText(QString::number(o.thinOut));
    folder_->setText(QString::fromStdString(o.outputFolder));
    format_->setCurrentIndex(o.format);
    notation_->setCurrentIndex(o.notation >= 0 && o.notation <= 3 ? o.notation : 0);
    newline_->setCurrentIndex(o.newline);
    storeInfo_->setChecked(o.storeInfo);
    channelInfo_->setChecked(o.channelInfo);
    channelHeader_->setChecked(o.channelHeader);
    headerType_->setCurrentIndex(o.headerType == kHeaderChannelComments ? 1 : 0);
    headerType_->setEnabled(o.channelHeader);
    openFolder_->setChecked(o.openFolder);
    SetExpanded(o.expanded);
}

BatchOptions BatchOptionsPanel::store() const
{
    BatchOptions o;
    bool ok = false;
    const int thin = thinOut_->text().trimmed().toInt(&ok);
    o.thinOut = ok && thin >= 1 && thin <= 10000 ? thin : 0;
    o.outputFolder = folder_->text().toStdString();
    o.format = format_->currentIndex();
    o.notation = notation_->currentIndex();
    o.newline = newline_->currentIndex();
    o.storeInfo = storeInfo_->isChecked();
    o.channelInfo = channelInfo_->isChecked();
    o.channelHeader = channelHeader_->isChecked();
    o.headerType = headerType_->currentIndex();
    o.openFolder = openFolder_->isChecked();
    o.expanded = expanded_;
    return o;
}

void BatchOptionsPanel::SetExpanded(bool on)
{
    expanded_ = on;
    extended_->setVisible(on);
    expand_->setText(Text(on ? 3101 : 3100));
}

} // namespace kp
