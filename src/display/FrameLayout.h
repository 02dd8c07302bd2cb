#pragma once
// Where the panes of the main window go: a title strip across the top, a
// gauge left of the view, a remark list across the bottom, the view in the
// rest. A pane that is off takes no room.

#include "view/FrameSettings.h"

#include <QRect>

namespace kp {

struct FramePanes {
    bool title = false;
    int titleFontHeight = 12; // |height| of the title font
    bool gauge = false;
    int gaugeCount = 4; // channel columns, 1 .. 64
    int gaugeTextHeight = 12; // height of "Wpqljy" in the gauge font
    bool remark = false;
    int remarkRatio = 5; // the list takes 1/ratio of the height
};

struct FrameRects {
    QRect view;
    QRect title; // empty when off
    QRect gauge; // empty when off
    QRect remark; // empty when off
};

FrameRects ComputeFrameLayout(const QRect& client, const FramePanes& panes);

} // namespace kp
