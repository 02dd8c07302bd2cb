#pragma once
// The "&Help" menu of the main window: the keyboard shortcuts (from the
// command table), the version look-up and "About Kp". It adds itself to the
// frame's menu bar and owns the two windows it opens.

#include <QObject>

class QAction;
class QDialog;
class QMainWindow;
class QMenu;

namespace kp {

class HelpMenu : public QObject {
    Q_OBJECT

public:
    explicit HelpMenu(QMainWindow& frame);

    QMenu* menu() const { return menu_; }
    QAction* keyboardShortcuts() const { return shortcuts_; }
    QAction* about() const { return about_; }
    // The version look-up, placed between the shortcuts and About.
    void AddVersionLookup(QAction* lookup);

    // The windows, created when first opened; modeless, so that the keys can
    // be read while they are tried.
    QDialog* ShowKeyboardShortcuts();
    QDialog* ShowAbout();

private:
    QMainWindow& frame_;
    QMenu* menu_ = nullptr;
    QAction* shortcuts_ = nullptr;
    QAction* about_ = nullptr;
    QAction* aboutSeparator_ = nullptr;
    QDialog* shortcutsWindow_ = nullptr;
    QDialog* aboutWindow_ = nullptr;
};

} // namespace kp
