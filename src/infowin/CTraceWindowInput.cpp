// The trace window's input: typed positions, spin buttons, Ctrl+Tab between
// the lists and the context menu.

#include "infowin/CTraceWindow.h"

#include "display/CKpView.h"
#include "infowin/ListStyle.h"
#include "infowin/TabbedLists.h"
#include "view/CursorMoves.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

namespace kp {

namespace {

bool IsCommitKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab;
}

// What a position edit lets through: digits, the signs and editing keys.
bool IsTypedKeyAllowed(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        break;
    }
    const QString t = e->text();
    if (t.isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return true; // shortcuts pass on
    for (QChar c : t) {
        if (!c.isDigit() && c != u'+' && c != u'-')
            return false;
    }
    return true;
}

} // namespace

bool CTraceWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || watched == Frame())
        return ToolWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl+Tab reaches the window from every control.
    if ((key->modifiers() & Qt::ControlModifier) && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
        keyPressEvent(key);
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr || (edit != editA_ && edit != editB_))
        return ToolWindow::eventFilter(watched, event);
    if (IsCommitKey(key->key()) && !edit->isReadOnly()) {
        CommitTyped(edit);
        // Tab goes on to the next control.
        return key->key() != Qt::Key_Tab;
    }
    if (!IsTypedKeyAllowed(key))
        return true;
    return ToolWindow::eventFilter(watched, event);
}

bool CTraceWindow::CommitTyped(QLineEdit* edit)
{
    const CursorTextContext c = TextContext();
    const ViewRecord* r = view_.GetRecord();
    if (r == nullptr || c.notation != kCursorPointNotation || view_.IsSuspended())
        return false;
    const auto position = TypedCursorPosition(c, edit->text().toStdString());
    const std::int64_t last = std::max<std::int64_t>(r->points - 1, 0);
    const CursorPair now { view_.GetCursorA(), view_.GetCursorB() };
    if (!position) {
        UpdateEdits(); // back to the cursor's text
        return false;
    }
    const CursorPair moved = edit == editA_ ? PlaceCursorA(now, *position, last) : PlaceCursorB(now, *position, last);
    if (moved == now)
        UpdateEdits();
    else
        view_.SetCursors(moved.a, moved.b); // refreshes through cursorsChanged
    return true;
}

void CTraceWindow::Spin(int which, int delta, Qt::KeyboardModifiers modifiers)
{
    const ViewRecord* r = view_.GetRecord();
    if (r == nullptr || !view_.IsLoaded() || view_.IsSuspended())
        return;
    const std::int64_t last = std::max<std::int64_t>(r->points - 1, 0);
    const CursorPair now { view_.GetCursorA(), view_.GetCursorB() };
    CursorPair moved = now;
    switch (which) {
    case 0:
        moved = MoveCursorA(now, delta, last);
        break;
    case 1:
        moved = MoveCursorB(now, delta, last);
        break;
    default:
        moved = MoveCursorPair(now, delta, (modifiers & Qt::ControlModifier) != 0, last);
        break;
    }
    if (moved == now)
        return;
    view_.SetCursors(moved.a, moved.b);
    if (modifiers & Qt::ShiftModifier)
        view_.JumpTo(which == 1 ? moved.b : moved.a);
}

void CTraceWindow::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        lists_->NextTab(event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier));
        return;
    }
    QWidget::keyPressEvent(event);
}

void CTraceWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QMenu* format = menu.addMenu(QStringLiteral("&Numeric Format"));
    const char* styles[] = { "&Auxiliary Unit", "&Decimal", "&Exponential" };
    for (int s = 0; s < 3; ++s) {
        QAction* a = format->addAction(QString::fromLatin1(styles[s]));
        a->setCheckable(true);
        a->setChecked(static_cast<int>(settings_.options.format.style) == s);
        connect(a, &QAction::triggered, this, [this, s] { SetNumStyle(static_cast<TraceNumStyle>(s)); });
    }
    format->addSeparator();
    QAction* unit = format->addAction(QStringLiteral("&Unit"));
    unit->setCheckable(true);
    unit->setChecked(settings_.options.format.withUnit);
    connect(unit, &QAction::triggered, this, [this] { ToggleUnit(); });

    QMenu* calc = menu.addMenu(QStringLiteral("Ca&lculation"));
    // Menu order; the type is the command's distance from "B-A".
    const TraceCalcType order[] = { TraceCalcType::AMinusB, TraceCalcType::BMinusA, TraceCalcType::APlusB,
        TraceCalcType::ATimesB, TraceCalcType::AOverB, TraceCalcType::BOverA };
    for (TraceCalcType t : order) {
        QAction* a = calc->addAction(QString::fromStdString(TraceCalcTitle(t)));
        a->setCheckable(true);
        a->setChecked(settings_.options.calc == t);
        connect(a, &QAction::triggered, this, [this, t] { SetCalcType(t); });
    }
    QAction* copy = menu.addAction(QStringLiteral("Co&py"));
    connect(copy, &QAction::triggered, this, [this] { Copy(); });
    AddListStyleMenu(menu, style_, this, [this] { ApplyListStyle(*lists_->List(), style_); });

    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5)) : event->globalPos();
    menu.exec(at);
}

} // namespace kp
