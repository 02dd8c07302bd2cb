#pragma once
// The commands that change how everything looks: the two colour schemes, the
// view's text, background and grid colours and its font, and "Hack Mode".
// A change refreshes the title strip, the gauge, the remark list and the view,
// in that order.

#include <QObject>

class QAction;

namespace kp {

class CMainFrame;
class PaneSet;

class LookCommands : public QObject {
    Q_OBJECT

public:
    LookCommands(CMainFrame& frame, PaneSet& panes);

    QAction* blackBackground() const { return black_; }
    QAction* whiteBackground() const { return white_; }
    QAction* viewText() const { return text_; }
    QAction* viewBackground() const { return back_; }
    QAction* viewGrid() const { return grid_; }
    QAction* viewFont() const { return font_; }
    QAction* hackMode() const { return hack_; }

    // Scheme 1 (black background) or 2 (white background), from the store.
    void ApplyScheme(int scheme);

private:
    void Refresh();

    CMainFrame& frame_;
    PaneSet& panes_;
    QAction* black_ = nullptr;
    QAction* white_ = nullptr;
    QAction* text_ = nullptr;
    QAction* back_ = nullptr;
    QAction* grid_ = nullptr;
    QAction* font_ = nullptr;
    QAction* hack_ = nullptr;
};

} // namespace kp
