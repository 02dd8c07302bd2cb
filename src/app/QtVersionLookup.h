#pragma once
// The version look-up over the network: one GET of the version list from the
// host in the settings, with a timeout, and the messages that show what came
// back. The download address is opened only when it is a web address and the
// user agrees.

#include <QString>
#include <QUrl>

#include <functional>
#include <string>

class QAction;
class QWidget;

namespace kp {

class SettingsStore;
class UserMessages;

struct VersionFetch {
    bool ok = false;
    std::string body; // at most kMaxVersionFileBytes
    std::string error; // why nothing came back
};

// GET host + "/Version/SoftwareVerInfoDB.csv"; waits at most timeoutMs for
// the whole answer while the interface stays alive.
VersionFetch FetchVersionFile(const QString& host, int timeoutMs);

struct VersionLookupServices {
    UserMessages& messages;
    std::function<bool(const QUrl&)> openUrl;
    int timeoutMs = 15000;
};

// The whole command: fetch, show the list, show this program's line and offer
// its download address.
void RunVersionLookup(const QString& host, const VersionLookupServices& services);

// "Check Latest &Versions...", for the Help menu: asks the host of the
// "VersionHost" setting.
QAction* MakeVersionLookupAction(QWidget* parent, const SettingsStore& store, UserMessages& messages);

} // namespace kp
