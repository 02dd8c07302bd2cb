#include "display/CommandActions.h"

#include <QAction>

namespace kp {

QList<QKeySequence> ShortcutsOf(const std::vector<std::string>& keys)
{
    QList<QKeySequence> shortcuts;
    for (const std::string& key : keys)
        shortcuts.append(QKeySequence(QString::fromStdString(key), QKeySequence::PortableText));
    return shortcuts;
}

QAction* MakeCommandAction(QObject* parent, CommandId id)
{
    const CommandEntry& entry = Command(id);
    auto* action
        = new QAction(QString::fromUtf8(entry.label.data(), static_cast<qsizetype>(entry.label.size())), parent);
    action->setShortcuts(ShortcutsOf(entry.keys));
    return action;
}

} // namespace kp
