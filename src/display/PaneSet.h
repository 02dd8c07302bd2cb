#pragma once
// The panes around the view: the title strip, the gauge and the remark list.
// Creates them in the frame's client area, refills them whenever the view's
// record, channels or size change, and handles their colour, font and gauge
// commands.

#include <QObject>

namespace kp {

class CMainFrame;
class RemarkList;
class WaveGauge;
class WaveTitleStrip;

class PaneSet : public QObject {
    Q_OBJECT

public:
    explicit PaneSet(CMainFrame& frame);

    WaveTitleStrip& Title() const { return *title_; }
    WaveGauge& Gauge() const { return *gauge_; }
    RemarkList& Remarks() const { return *remarks_; }

    // Colours and fonts from the settings record, to every pane.
    void ApplyStyles();
    // Mode 0 rebuilds the rows, mode 1 follows visibility, zoom and position.
    void RefreshRemarks(int mode);
    void RefreshGauge();
    void RefreshTitle();
    // "Gage Num +" / "Gage Num -".
    void StepGaugeCount(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TitleCommand(int which);
    void RemarkCommand(int which);
    void GaugeCommand(int which);
    void RemarkCheckToggled(qint64 itemData, bool checked);
    void SetGaugeCount(int count);

    CMainFrame& frame_;
    WaveTitleStrip* title_ = nullptr;
    WaveGauge* gauge_ = nullptr;
    RemarkList* remarks_ = nullptr;
};

} // namespace kp
