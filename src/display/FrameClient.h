#pragma once
// The main window's client area: title strip, gauge, view and remark list,
// placed by ComputeFrameLayout whenever the area changes size or a pane is
// switched. The panes' contents are their own widgets; until one is set the
// pane is an empty strip.

#include "display/FrameLayout.h"

#include <QWidget>

#include <functional>

namespace kp {

class FrameClient : public QWidget {
    Q_OBJECT

public:
    explicit FrameClient(QWidget* parent = nullptr);

    // The widgets of the four places; the client takes them as children.
    void SetView(QWidget* view);
    void SetTitlePane(QWidget* pane);
    void SetGaugePane(QWidget* pane);
    void SetRemarkPane(QWidget* pane);
    QWidget* TitlePane() const { return title_; }
    QWidget* GaugePane() const { return gauge_; }
    QWidget* RemarkPane() const { return remark_; }

    // Where the pane switches and font sizes come from.
    void SetPanesSource(std::function<FramePanes()> source) { panes_ = std::move(source); }
    void Relayout();
    const FrameRects& CurrentRects() const { return rects_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static QWidget* Replace(QWidget* old, QWidget* pane, QWidget* parent);

    std::function<FramePanes()> panes_;
    FrameRects rects_;
    QWidget* view_ = nullptr;
    QWidget* title_ = nullptr;
    QWidget* gauge_ = nullptr;
    QWidget* remark_ = nullptr;
};

} // namespace kp
