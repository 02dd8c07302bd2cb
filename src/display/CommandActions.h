#pragma once
// Actions made from the command table: the menu text and every key of a
// command come from there, never from a literal at the place that makes it.

#include "view/CommandTable.h"

#include <QKeySequence>
#include <QList>

class QAction;
class QObject;

namespace kp {

QList<QKeySequence> ShortcutsOf(const std::vector<std::string>& keys);

// A new action with the command's text and keys.
QAction* MakeCommandAction(QObject* parent, CommandId id);

} // namespace kp
