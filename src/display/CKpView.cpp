#include "display/CKpView.h"

#include "app/KpSettings.h"
#include "app/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace kp {

CKpView::CKpView(KpSettings& settings, SettingsStore& store, QWidget* parent)
    : QAbstractScrollArea(parent)
    , settings_(settings)
    , store_(store)
    , own_(ViewOwnSettings::Load(store))
    , dotRows_(std::make_unique<DotRowCache>())
{
    setObjectName(QStringLiteral("WaveView"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateScrollSizes();
}

CKpView::~CKpView()
{
    if (loaded_ && own_.useProfileSetting)
        channels_.WriteProfile(store_);
    own_.Save(store_);
    WriteInt(store_, settings::kTimeDivDetail, enhancedDate_ ? 1 : 0);
}

// ------------------------------------------------------------------ loading

void CKpView::SetRecord(std::unique_ptr<ViewRecord> record)
{
    if (loaded_ && own_.useProfileSetting)
        channels_.WriteProfile(store_);
    drag_ = CursorId::None;
    scrolledLeft_ = scrolledRight_ = false;
    // The cached rows name the old record's columns by address; a new
    // record's columns may be allocated at the same addresses.
    dotRows_->Clear();
    if (!record || record->empty()) {
        record_ = std::move(record);
        ClearRecord();
        return;
    }
    record_ = std::move(record);
    // A model the geometry table does not know keeps the previous layout.
    DivisionGeometry g = geometry_;
    if (DivisionGeometryForModel(record_->modelId, g))
        geometry_ = g;
    magnification_ = Magnification(geometry_.magnificationFamily);
    highestIndex_ = magnification_.highestIndex(record_->points);
    magIndex_ = StartIndexForWidth(viewport()->width());

    channels_.ResetFromRecord(*record_);
    if (own_.useProfileSetting)
        channels_.ReadProfile(store_);

    cursorA_ = 0;
    cursorB_ = record_->points - 1;
    currentEvent_ = -1;
    loaded_ = true;
    UpdateScrollSizes();
    horizontalScrollBar()->setValue(0);
    emit recordLoaded(QString::fromStdString(record_->fileName));
    emit magnificationChanged(magIndex_);
    emit channelsChanged();
    emit cursorsChanged();
    setFocus();
    viewport()->update();
}

void CKpView::ClearRecord()
{
    const bool wasLoaded = loaded_;
    loaded_ = false;
    drag_ = CursorId::None;
    geometry_ = DivisionGeometry {};
    magnification_ = Magnification(0);
    magIndex_ = 0;
    highestIndex_ = 0;
    cursorA_ = cursorB_ = 0;
    currentEvent_ = -1;
    dotRows_->Clear();
    record_.reset();
    UpdateScrollSizes();
    viewport()->update();
    if (wasLoaded)
        emit recordCleared();
}

void CKpView::SetSuspended(bool suspended)
{
    suspended_ = suspended;
    if (suspended) {
        drag_ = CursorId::None;
        dotRows_->Clear();
    }
    viewport()->update();
}

// ------------------------------------------------------------ magnification

int CKpView::StartIndexForWidth(int clientWidth) const
{
    if (!record_)
        return 0;
    return magnification_.startIndex(record_->points, clientWidth - kWaveLeftMargin - kWaveRightMargin);
}

void CKpView::SetMagnificationIndex(int index)
{
    index = std::clamp(index, 0, highestIndex_);
    if (index == magIndex_)
        return;
    magIndex_ = index;
    MagnificationChanged();
}

void CKpView::ZoomIn()
{
    if (CanZoomIn())
        SetMagnificationIndex(magIndex_ + 1);
}

void CKpView::ZoomOut()
{
    if (CanZoomOut())
        SetMagnificationIndex(magIndex_ - 1);
}

void CKpView::Refit()
{
    if (!loaded_)
        return;
    const int start = StartIndexForWidth(viewport()->width());
    if (start != magIndex_) {
        magIndex_ = start;
        MagnificationChanged();
    }
}

void CKpView::MagnificationChanged()
{
    // The scroll position in pixels stays; the bar limits it to the new range.
    UpdateScrollSizes();
    emit magnificationChanged(magIndex_);
    RefreshSettings();
}

void CKpView::UpdateScrollSizes()
{
    QScrollBar* bar = horizontalScrollBar();
    const int page = std::max(viewport()->width(), 1);
    int total = page;
    if (loaded_ && record_) {
        const std::int64_t columns = std::min(record_->points / PointsPerColumn(), kMaxWaveColumns);
        total = static_cast<int>(columns) + kWaveLeftMargin + kWaveRightMargin;
    }
    bar->setRange(0, std::max(total - page, 0));
    bar->setPageStep(page);
    bar->setSingleStep(std::max(page / 3, 1));
}

int CKpView::ScrollX() const
{
    return horizontalScrollBar()->value();
}

// ---------------------------------------------------------------- time axis

AxisNotation CKpView::GetTimeNotation() const
{
    return static_cast<AxisNotation>(std::clamp(settings_.waveTimeNotation, 0, 4));
}

void CKpView::SetTimeNotation(AxisNotation notation)
{
    settings_.waveTimeNotation = static_cast<int>(notation);
    viewport()->update();
    emit timeNotationChanged();
}

void CKpView::ToggleEnhancedDate()
{
    enhancedDate_ = !enhancedDate_;
    viewport()->update();
    emit timeNotationChanged();
}

std::string CKpView::LabelText(std::int64_t j) const
{
    if (!record_)
        return {};
    TimeAxisContext c;
    c.notation = GetTimeNotation();
    c.pointsPerDivision0 = record_->pointsPerDivision0;
    c.pointsPerDivision1 = record_->pointsPerDivision1;
    c.timePerDiv = record_->timePerDiv;
    c.sampleInterval = record_->sampleInterval;
    c.elapsedDigits = record_->elapsedDigits;
    c.triggerMoment = record_->triggerMoment;
    c.startOffset = record_->startOffset;
    c.enhancedDate = enhancedDate_;
    return TimeAxisLabel(c, j);
}

// ------------------------------------------------------------------ drawing

void CKpView::RefreshSettings()
{
    viewport()->update();
}

void CKpView::SetDisplayFont(const QFont& font)
{
    font_ = font;
    viewport()->update();
}

QRect CKpView::WaveArea() const
{
    const int width
        = record_ && loaded_ ? static_cast<int>(std::min(record_->points / PointsPerColumn(), kMaxWaveColumns)) : 0;
    return QRect(QPoint(kWaveLeftMargin, kWaveTopMargin),
        QPoint(kWaveLeftMargin + width, viewport()->height() - kWaveBottomMargin));
}

void CKpView::RedrawMarkStrip()
{
    viewport()->update(QRect(0, 0, viewport()->width(), kWaveTopMargin - 1));
}

void CKpView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const int scroll = ScrollX();
    const QRect logicalClip = event->rect().translated(scroll, 0);
    if (suspended_) {
        painter.fillRect(event->rect(),
            QColor(settings_.waveBackColor.red, settings_.waveBackColor.green, settings_.waveBackColor.blue));
        return;
    }
    const PaintParams p = BuildPaintParams(logicalClip);
    if (!loaded_) {
        painter.fillRect(event->rect(), p.background);
        return;
    }
    painter.translate(-scroll, 0);
    paint(painter, p);
    painter.resetTransform();
    if (drag_ != CursorId::None) {
        // The drag line inverts what lies under it, like a line drawn twice
        // with an inverting pen disappears.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(QRect(dragX_, p.waveTop(), 1, p.waveBottom() - p.waveTop()), Qt::white);
    }
}

void CKpView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
}

void CKpView::scrollContentsBy(int, int)
{
    viewport()->update();
}

// ------------------------------------------------------- wheel and keyboard

void CKpView::wheelEvent(QWheelEvent* event)
{
    const Qt::KeyboardModifiers mods
        = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    event->accept();
    if (mods == Qt::ControlModifier) {
        // Touchpads and fine wheels report small angles many times a notch:
        // one step per 120 units, whatever the events' sizes.
        wheelScrollRemainder_ = 0;
        if ((wheelZoomAngle_ > 0 && delta < 0) || (wheelZoomAngle_ < 0 && delta > 0))
            wheelZoomAngle_ = 0;
        wheelZoomAngle_ += delta;
        for (; wheelZoomAngle_ >= 120; wheelZoomAngle_ -= 120)
            ZoomIn();
        for (; wheelZoomAngle_ <= -120; wheelZoomAngle_ += 120)
            ZoomOut();
        return;
    }
    wheelZoomAngle_ = 0;
    // The standard wheel handling does not scroll while a modifier is held.
    if (mods != Qt::NoModifier || delta == 0)
        return;
    QScrollBar* bar = horizontalScrollBar();
    const int notchStep = std::min(3 * bar->singleStep(), bar->pageStep());
    // In proportion to the angle; what a small angle does not make up yet is
    // kept for the next event.
    const int units = delta * notchStep + wheelScrollRemainder_;
    wheelScrollRemainder_ = units % 120;
    bar->setValue(bar->value() - units / 120);
}

void CKpView::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    case Qt::Key_Left:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        break; // no vertical range
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace kp
