#include "app/QtVersionLookup.h"

#include "app/VersionInfo.h"
#include "format/SettingsEncoding.h"
#include "platform/UserMessages.h"

#include <QAction>
#include <QDesktopServices>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace kp {

namespace {

// A message box holds a screenful, not a whole file.
constexpr qsizetype kShownChars = 4000;

std::string Shown(const std::string& text)
{
    return static_cast<qsizetype>(text.size()) <= kShownChars
        ? text
        : text.substr(0, static_cast<std::size_t>(kShownChars)) + "\n...";
}

} // namespace

VersionFetch FetchVersionFile(const QString& host, int timeoutMs)
{
    VersionFetch result;
    QUrl url(host);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        || url.host().isEmpty()) {
        result.error = "The version host \"" + host.toStdString() + "\" is not an http or https address.";
        return result;
    }
    url.setPath(QString::fromLatin1(kVersionFilePath.data(), static_cast<qsizetype>(kVersionFilePath.size())));
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    std::unique_ptr<QNetworkReply> reply(network.get(request));
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] { reply->abort(); });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // An endless answer is cut off instead of filling memory.
    bool tooLarge = false;
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64) {
        if (received > static_cast<qint64>(kMaxVersionFileBytes)) {
            tooLarge = true;
            reply->abort();
        }
    });
    deadline.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QByteArray body = reply->read(static_cast<qint64>(kMaxVersionFileBytes));
    if (reply->error() != QNetworkReply::NoError) {
        if (tooLarge)
            result.error = "The answer of " + url.host().toStdString() + " is too large for a version list.";
        else if (!deadline.isActive())
            result.error
                = "No answer from " + url.host().toStdString() + " within " + std::to_string(timeoutMs) + " ms.";
        else
            result.error = reply->errorString().toStdString();
        return result;
    }
    result.ok = true;
    result.body = body.toStdString();
    return result;
}

void RunVersionLookup(const QString& host, const VersionLookupServices& s)
{
    const VersionFetch fetched = FetchVersionFile(host, s.timeoutMs);
    if (!fetched.ok) {
        s.messages.show("The list of the latest versions could not be read.\n\n" + fetched.error, MessageButtons::Ok,
            MessageIcon::Warning);
        return;
    }
    const VersionInfo info = ParseVersionFile(fetched.body);
    s.messages.show(Shown(info.text), MessageButtons::Ok, MessageIcon::Information);
    if (info.matching.empty()) {
        s.messages.show("The list names no version of this program.", MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    if (info.link.empty()) {
        s.messages.show(info.message, MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    if (s.messages.show(info.message + "\n\nOpen the download page?", MessageButtons::YesNo, MessageIcon::Question)
        == MessageAnswer::Yes)
        s.openUrl(QUrl(QString::fromStdString(info.link), QUrl::StrictMode));
}

QAction* MakeVersionLookupAction(QWidget* parent, const SettingsStore& store, UserMessages& messages)
{
    auto* action = new QAction(QStringLiteral("Check Latest &Versions..."), parent);
    action->setObjectName(QStringLiteral("VersionLookupAction"));
    QObject::connect(action, &QAction::triggered, action, [&store, &messages] {
        const QString host
            = QString::fromStdString(ReadText(store, settings::kVersionHost, std::string(kDefaultVersionHost)));
        RunVersionLookup(host, { messages, [](const QUrl& url) { return QDesktopServices::openUrl(url); } });
    });
    return action;
}

} // namespace kp
