#pragma once
// The colours and font of an information window's lists, kept in the
// application's settings record ("TextColor", "BackColor", "LogFont" of the
// window's section), and the "&Color" submenu that changes them.

#include <functional>

class QMenu;
class QWidget;

namespace kp {

struct PaneStyle;

// Text and background colour and font of a list (and its header's font).
void ApplyListStyle(QWidget& list, const PaneStyle& style);

// "&Color" with "&Text...", "&Background...", "&Font..."; after a change
// (OK in the dialog) `changed` runs.
void AddListStyleMenu(QMenu& menu, PaneStyle& style, QWidget* dialogParent, std::function<void()> changed);

} // namespace kp
