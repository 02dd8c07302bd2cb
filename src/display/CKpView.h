#pragma once
// CKpView: the horizontally scrolling waveform view. Its state is the
// magnification (points per column) and the scroll position; positions are
// integer point indices, turned into times only for display. The record's
// channels are drawn from min/max summaries built at load, so a repaint costs
// in proportion to the painted width.

#include "display/WavePainter.h"
#include "view/ChannelDisplayState.h"
#include "view/DotRowCache.h"
#include "view/Magnification.h"
#include "view/TimeAxisText.h"
#include "view/ViewRecord.h"
#include "view/ViewSettings.h"

#include <QAbstractScrollArea>
#include <QFont>

#include <memory>

namespace kp {

struct KpSettings;
class SettingsStore;

enum class CursorId { None, A, B };

class CKpView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // settings: the application's record (section "Wave" values); store: for
    // the view's own keys, read now and written when the view is destroyed.
    CKpView(KpSettings& settings, SettingsStore& store, QWidget* parent = nullptr);
    ~CKpView() override;

    // ------------------------------------------------------------ the record
    // Load setup: lays out the new record at its fit-to-window magnification.
    void SetRecord(std::unique_ptr<ViewRecord> record);
    // The document holds no waveform: back to the empty view.
    void ClearRecord();
    bool IsLoaded() const { return loaded_; }
    const ViewRecord* GetRecord() const { return record_.get(); }
    // While the document loads, the arrays the record points into are being
    // replaced: a suspended view paints its background only and ignores the
    // mouse.
    void SetSuspended(bool suspended);
    bool IsSuspended() const { return suspended_; }

    // -------------------------------------------------------- magnification
    const Magnification& GetMagnification() const { return magnification_; }
    int GetMagnificationIndex() const { return magIndex_; }
    int GetHighestIndex() const { return highestIndex_; }
    std::int64_t PointsPerColumn() const { return magnification_.pointsPerColumn(magIndex_); }
    void SetMagnificationIndex(int index); // clamped to 0 .. highest
    void ZoomIn();
    void ZoomOut();
    bool CanZoomIn() const { return loaded_ && magIndex_ < highestIndex_; }
    bool CanZoomOut() const { return loaded_ && magIndex_ > 0; }
    // Recomputes the fit-to-window index and adopts it when it differs.
    void Refit();
    int StartIndexForWidth(int clientWidth) const;

    // ------------------------------------------------------------- time axis
    AxisNotation GetTimeNotation() const;
    void SetTimeNotation(AxisNotation notation);
    bool IsEnhancedDate() const { return enhancedDate_; }
    void ToggleEnhancedDate();
    std::string LabelText(std::int64_t j) const;

    // ---------------------------------------------------------------- cursors
    std::int64_t GetCursorA() const { return cursorA_; }
    std::int64_t GetCursorB() const { return cursorB_; }
    // Both clamped to the record and ordered so that A <= B.
    void SetCursors(std::int64_t a, std::int64_t b);
    CursorId DraggedCursor() const { return drag_; }
    int DragLineX() const { return dragX_; }

    // Jumps scroll a position to the wave area's left edge when the record
    // does not fit the window; the mark strip is redrawn in any case.
    void JumpTo(std::int64_t position);
    void JumpToCursorA() { JumpTo(cursorA_); }
    void JumpToCursorB() { JumpTo(cursorB_); }
    void JumpToTrigger();
    void JumpToPostTrigger();
    bool CanJumpToCursors() const;
    bool CanJumpToTrigger() const;
    bool CanJumpToPostTrigger() const;
    void SelectEvent(int index);
    int GetCurrentEvent() const { return currentEvent_; }

    // ------------------------------------------------------------- channels
    ChannelDisplayState& Channels() { return channels_; }
    const ChannelDisplayState& Channels() const { return channels_; }
    void ToggleAnalogChannel(int channel);
    void ToggleLogicChannel(int channel);
    void ToggleLogicGroup(int group);
    void ShowAllChannels(bool shown);
    bool IsReverseOrder() const { return own_.drawReverseOrder; }
    void ToggleDrawOrder();
    bool IsFixed() const { return own_.useProfileSetting; }
    void ToggleFixed();
    // "&Default" of the control panel: header values of one channel.
    void RestoreHeaderDisplay(int channelClass, int index);
    // Call after changing Channels() from outside.
    void ChannelsEdited();

    // ---------------------------------------------------- settings, drawing
    const ViewOwnSettings& OwnSettings() const { return own_; }
    // Copies style, pen width, grid and draw flags from the settings record
    // and repaints.
    void RefreshSettings();
    void SetDisplayFont(const QFont& font);
    int ScrollX() const;
    // The paint parameters of the current state for a logical clip box; they
    // carry the view's dots row cache.
    PaintParams BuildPaintParams(const QRect& logicalClip) const;
    QRect WaveArea() const; // logical
    const DivisionGeometry& GetGeometry() const { return geometry_; }
    // Redraws the strip above the wave area (marks) without the traces.
    void RedrawMarkStrip();

signals:
    void recordLoaded(const QString& fileName);
    void recordCleared();
    void magnificationChanged(int index);
    void cursorsChanged();
    void channelsChanged();
    void timeNotationChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollSizes();
    void MagnificationChanged();
    void FillValueTraces(
        std::vector<ValueTrace>& out, const std::vector<ValueChannel>& channels, const ChannelClassState& state) const;
    void FillLogicTraces(PaintParams& p) const;
    void StartDrag(CursorId which, int clientX);
    void MoveDragLine(int clientX);
    void UpdateDragColumn(int clientX);

    KpSettings& settings_;
    SettingsStore& store_;
    ViewOwnSettings own_;
    QFont font_;

    std::unique_ptr<ViewRecord> record_;
    bool loaded_ = false;
    bool suspended_ = false;
    DivisionGeometry geometry_;
    Magnification magnification_;
    int magIndex_ = 0;
    int highestIndex_ = 0;
    bool enhancedDate_ = false;

    ChannelDisplayState channels_;
    // Rows of the dots style, reused by repaints of the same geometry; held
    // by pointer so that painting (const) can fill it.
    std::unique_ptr<DotRowCache> dotRows_;

    std::int64_t cursorA_ = 0;
    std::int64_t cursorB_ = 0;
    int currentEvent_ = -1;
    CursorId drag_ = CursorId::None;
    int dragX_ = 0;
    bool scrolledLeft_ = false;
    int wheelZoomAngle_ = 0; // Ctrl+wheel angle not yet turned into steps
    int wheelScrollRemainder_ = 0; // scroll units short of a pixel, x 120
    bool scrolledRight_ = false;
};

} // namespace kp
