#include "display/FrameLayout.h"

#include <algorithm>
#include <cstdlib>

namespace kp {

FrameRects ComputeFrameLayout(const QRect& client, const FramePanes& panes)
{
    const int titleHeight = panes.title ? std::abs(panes.titleFontHeight) + 6 : 0;
    const int gaugeWidth = panes.gauge ? ValidGaugeCount(panes.gaugeCount) * panes.gaugeTextHeight + 19 : 0;
    const int remarkHeight = panes.remark ? client.height() / ValidRemarkRatio(panes.remarkRatio) : 0;
    FrameRects r;
    const int viewHeight = std::max(client.height() - titleHeight - remarkHeight, 0);
    r.view = QRect(
        client.left() + gaugeWidth, client.top() + titleHeight, std::max(client.width() - gaugeWidth, 0), viewHeight);
    if (panes.title)
        r.title = QRect(client.left(), client.top(), client.width(), titleHeight);
    if (panes.gauge)
        r.gauge = QRect(client.left(), client.top() + titleHeight, gaugeWidth, viewHeight);
    if (panes.remark)
        r.remark = QRect(client.left(), client.top() + client.height() - remarkHeight, client.width(), remarkHeight);
    return r;
}

} // namespace kp
