#pragma once
// An up/down button pair beside a cursor edit. A click steps by one point; a
// held button repeats and speeds up in three stages. The step carries the
// modifiers held when the button went down (Ctrl, Shift change the move).

#include <QElapsedTimer>
#include <QWidget>

class QToolButton;

namespace kp {

class CursorSpinButtons : public QWidget {
    Q_OBJECT

public:
    explicit CursorSpinButtons(QWidget* parent = nullptr);
    QToolButton* Up() const { return up_; }
    QToolButton* Down() const { return down_; }

signals:
    void stepped(int delta, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int direction);

    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    Qt::KeyboardModifiers pressModifiers_;
    QElapsedTimer lastStep_;
    int repeats_ = 0;
};

} // namespace kp
