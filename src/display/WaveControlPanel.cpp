#include "display/WaveControlPanel.h"

#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "display/ColourPicker.h"
#include "view/ControlPanelScale.h"
#include "view/TraceScaling.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace kp {

namespace {

constexpr const char* kClassNames[] = { "Analog", "Pulse", "Logic", "Wave Calc" };

template <typename Channel> std::vector<int> Indices(const std::vector<Channel>& channels)
{
    std::vector<int> out;
    for (const Channel& c : channels)
        out.push_back(c.index);
    return out;
}

QPushButton* Button(const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

} // namespace

WaveControlPanel::WaveControlPanel(CKpView& view, KpSettings& settings, QWidget* parent)
    : ToolWindow(parent)
    , view_(view)
    , settings_(settings)
{
    setObjectName(QStringLiteral("WaveControlPanel"));
    setWindowTitle(QStringLiteral("Wave Control Panel"));

    tabs_ = new QTabBar(this);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMinimumWidth(150);

    zoomSlider_ = new QSlider(Qt::Vertical, this);
    zoomSlider_->setRange(kZoomSliderMin, kZoomSliderMax);
    zoomSlider_->setPageStep(500);
    zoomSlider_->setInvertedAppearance(true);
    zoomBox_ = new QDoubleSpinBox(this);
    zoomBox_->setRange(0.01, 100.0);
    zoomBox_->setDecimals(2);
    zoomBox_->setSingleStep(0.01);

    positionSlider_ = new QSlider(Qt::Vertical, this);
    positionSlider_->setRange(0, kPositionSliderMax);
    positionSlider_->setPageStep(100);
    positionSlider_->setInvertedAppearance(true);
    positionText_ = new QLabel(this);
    positionText_->setAlignment(Qt::AlignCenter);

    swatch_ = new QLabel(this);
    swatch_->setFixedSize(48, 20);
    swatch_->setAutoFillBackground(true);
    swatch_->setFrameShape(QFrame::Box);

    auto* show = Button(QStringLiteral("&Show"), this);
    auto* hide = Button(QStringLiteral("&Hide"), this);
    auto* showAll = Button(QStringLiteral("Show &All"), this);
    auto* hideAll = Button(QStringLiteral("Hide A&ll"), this);
    auto* colour = Button(QStringLiteral("C&olor >>"), this);
    auto* defaults = Button(QStringLiteral("&Default"), this);
    auto* close = Button(QStringLiteral("&Close"), this);

    auto* sliders = new QGridLayout;
    auto* zoomLabel = new QLabel(QStringLiteral("&Zoom"), this);
    zoomLabel->setBuddy(zoomSlider_);
    auto* positionLabel = new QLabel(QStringLiteral("&Posn"), this);
    positionLabel->setBuddy(positionSlider_);
    sliders->addWidget(zoomLabel, 0, 0, Qt::AlignHCenter);
    sliders->addWidget(positionLabel, 0, 1, Qt::AlignHCenter);
    sliders->addWidget(zoomSlider_, 1, 0, Qt::AlignHCenter);
    sliders->addWidget(positionSlider_, 1, 1, Qt::AlignHCenter);
    sliders->addWidget(zoomBox_, 2, 0);
    sliders->addWidget(positionText_, 2, 1);
    auto* buttons = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*> { show, hide, showAll, hideAll })
        buttons->addWidget(w);
    buttons->addSpacing(8);
    buttons->addWidget(swatch_, 0, Qt::AlignHCenter);
    buttons->addWidget(colour);
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(sliders);
    body->addLayout(buttons);
    auto* top = new QVBoxLayout(this);
    top->addWidget(tabs_);
    top->addLayout(body);

    connect(tabs_, &QTabBar::currentChanged, this, [this] {
        if (!filling_)
            FillList();
    });
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_)
            UpdateControls();
    });
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        ChannelClassState* state = CurrentState();
        const int row = list_->row(item);
        if (filling_ || state == nullptr || row < 0 || row >= static_cast<int>(listed_.size()))
            return;
        state->shown[static_cast<std::size_t>(listed_[static_cast<std::size_t>(row)])]
            = item->checkState() == Qt::Checked;
        Edited();
    });
    connect(zoomSlider_, &QSlider::valueChanged, this, [this](int s) {
        if (!filling_)
            ApplyZoom(ZoomFromSlider(s));
    });
    connect(zoomBox_, &QDoubleSpinBox::valueChanged, this, [this](double z) {
        if (!filling_)
            ApplyZoom(z);
    });
    connect(positionSlider_, &QSlider::valueChanged, this, [this](int s) {
        positionText_->setText(QString::fromStdString(PositionText(s)));
        if (!filling_)
            ApplyPosition(PositionFromSlider(s));
    });
    connect(show, &QPushButton::clicked, this, [this] { ShowSelected(true); });
    connect(hide, &QPushButton::clicked, this, [this] { ShowSelected(false); });
    connect(showAll, &QPushButton::clicked, this, [this] { ShowAll(true); });
    connect(hideAll, &QPushButton::clicked, this, [this] { ShowAll(false); });
    connect(colour, &QPushButton::clicked, this, &WaveControlPanel::ColourSelected);
    connect(defaults, &QPushButton::clicked, this, &WaveControlPanel::DefaultSelected);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    Refresh();
}

void WaveControlPanel::Refresh()
{
    const ViewRecord* record = view_.IsLoaded() ? view_.GetRecord() : nullptr;
    setWindowTitle(record ? QStringLiteral("Wave Control Panel - %1").arg(QString::fromStdString(record->fileName))
                          : QStringLiteral("Wave Control Panel"));
    const int wasClass = tabs_->currentIndex() >= 0 && tabs_->currentIndex() < static_cast<int>(tabClasses_.size())
        ? tabClasses_[static_cast<std::size_t>(tabs_->currentIndex())]
        : 0;
    filling_ = true;
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    tabClasses_.clear();
    if (record) {
        const bool present[]
            = { !record->analog.empty(), !record->pulse.empty(), !record->logic.empty(), !record->calc.empty() };
        for (int k = 0; k < 4; ++k) {
            if (!present[k])
                continue;
            tabClasses_.push_back(k);
            tabs_->addTab(QString::fromLatin1(kClassNames[k]));
        }
    }
    const auto again = std::find(tabClasses_.begin(), tabClasses_.end(), wasClass);
    tabs_->setCurrentIndex(
        again == tabClasses_.end() ? (tabClasses_.empty() ? -1 : 0) : static_cast<int>(again - tabClasses_.begin()));
    filling_ = false;
    FillList();
}

void WaveControlPanel::SelectTab(int tab)
{
    tabs_->setCurrentIndex(tab);
}

ChannelClassState* WaveControlPanel::CurrentState() const
{
    const int tab = tabs_->currentIndex();
    if (!view_.IsLoaded() || tab < 0 || tab >= static_cast<int>(tabClasses_.size()))
        return nullptr;
    ChannelDisplayState& c = view_.Channels();
    ChannelClassState* states[] = { &c.analog, &c.pulse, &c.logic, &c.calc };
    return states[tabClasses_[static_cast<std::size_t>(tab)]];
}

void WaveControlPanel::FillList()
{
    const QList<int> selectedRows = [this] {
        QList<int> rows;
        for (const QListWidgetItem* item : list_->selectedItems())
            rows << list_->row(item);
        return rows;
    }();
    filling_ = true;
    list_->clear();
    listed_.clear();
    const ViewRecord* record = view_.GetRecord();
    ChannelClassState* state = CurrentState();
    if (record && state) {
        std::vector<std::string> names;
        switch (tabClasses_[static_cast<std::size_t>(tabs_->currentIndex())]) {
        case 0:
            listed_ = Indices(record->analog);
            for (const auto& c : record->analog)
                names.push_back(c.name);
            break;
        case 1:
            listed_ = Indices(record->pulse);
            for (const auto& c : record->pulse)
                names.push_back(c.name);
            break;
        case 2:
            listed_ = Indices(record->logic);
            for (const auto& c : record->logic)
                names.push_back(c.name);
            break;
        default:
            listed_ = Indices(record->calc);
            for (const auto& c : record->calc)
                names.push_back(c.name);
            break;
        }
        for (std::size_t k = 0; k < listed_.size(); ++k) {
            auto* item = new QListWidgetItem(QString::fromStdString(names[k]), list_);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            const bool shown = listed_[k] >= 0 && listed_[k] < state->capacity()
                && state->shown[static_cast<std::size_t>(listed_[k])];
            item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
        }
        for (const int row : selectedRows) {
            if (row < list_->count())
                list_->item(row)->setSelected(true);
        }
        if (list_->selectedItems().isEmpty() && list_->count() > 0)
            list_->item(0)->setSelected(true);
    }
    filling_ = false;
    UpdateControls();
}

std::vector<int> WaveControlPanel::SelectedChannels() const
{
    std::vector<int> out;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->isSelected() && row < static_cast<int>(listed_.size()))
            out.push_back(listed_[static_cast<std::size_t>(row)]);
    }
    return out;
}

void WaveControlPanel::UpdateControls()
{
    const ChannelClassState* state = CurrentState();
    const std::vector<int> selected = SelectedChannels();
    const bool any = state != nullptr && !selected.empty();
    filling_ = true;
    if (any) {
        const auto i = static_cast<std::size_t>(selected.front());
        zoomSlider_->setValue(SliderFromZoom(state->zoom[i]));
        zoomBox_->setValue(ClampZoom(state->zoom[i]));
        positionSlider_->setValue(SliderFromPosition(state->position[i]));
        QPalette p = swatch_->palette();
        p.setColor(QPalette::Window, ToQColor(state->colour[i]));
        swatch_->setPalette(p);
    }
    positionText_->setText(QString::fromStdString(PositionText(positionSlider_->value())));
    filling_ = false;
    // A logic channel's height is not a zoom.
    const bool logic = state == &view_.Channels().logic;
    zoomSlider_->setEnabled(any && !logic);
    zoomBox_->setEnabled(any && !logic);
    positionSlider_->setEnabled(any);
}

void WaveControlPanel::ApplyZoom(double zoom)
{
    ChannelClassState* state = CurrentState();
    if (state == nullptr || state == &view_.Channels().logic)
        return;
    zoom = ClampZoom(zoom);
    for (const int ch : SelectedChannels())
        state->zoom[static_cast<std::size_t>(ch)] = zoom;
    filling_ = true;
    zoomSlider_->setValue(SliderFromZoom(zoom));
    zoomBox_->setValue(zoom);
    filling_ = false;
    Edited();
}

void WaveControlPanel::ApplyPosition(double position)
{
    ChannelClassState* state = CurrentState();
    if (state == nullptr)
        return;
    for (const int ch : SelectedChannels())
        state->position[static_cast<std::size_t>(ch)] = position;
    Edited();
}

void WaveControlPanel::ShowSelected(bool shown)
{
    ChannelClassState* state = CurrentState();
    if (state == nullptr)
        return;
    for (const int ch : SelectedChannels())
        state->shown[static_cast<std::size_t>(ch)] = shown;
    Edited();
    FillList();
}

void WaveControlPanel::ShowAll(bool shown)
{
    ChannelClassState* state = CurrentState();
    if (state == nullptr)
        return;
    for (const int ch : listed_)
        state->shown[static_cast<std::size_t>(ch)] = shown;
    Edited();
    FillList();
}

void WaveControlPanel::ColourSelected()
{
    ChannelClassState* state = CurrentState();
    const std::vector<int> selected = SelectedChannels();
    if (state == nullptr || selected.empty())
        return;
    RgbColour colour = state->colour[static_cast<std::size_t>(selected.front())];
    if (!PickColour(this, colour, settings_.customColours))
        return;
    for (const int ch : selected)
        state->colour[static_cast<std::size_t>(ch)] = colour;
    Edited();
    UpdateControls();
}

void WaveControlPanel::DefaultSelected()
{
    const int tab = tabs_->currentIndex();
    if (CurrentState() == nullptr)
        return;
    const int cls = tabClasses_[static_cast<std::size_t>(tab)];
    for (const int ch : SelectedChannels())
        view_.RestoreHeaderDisplay(cls, ch);
    Edited();
    UpdateControls();
}

void WaveControlPanel::Edited()
{
    editing_ = true;
    view_.ChannelsEdited();
    editing_ = false;
}

void WaveControlPanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier && tabs_->count() > 0) {
        tabs_->setCurrentIndex((tabs_->currentIndex() + 1) % tabs_->count());
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kp
