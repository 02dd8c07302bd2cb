#include <gtest/gtest.h>

#include "app/QtVersionLookup.h"
#include "platform/UserMessages.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace kp {
namespace {

// A web host on 127.0.0.1 that answers every request with one scripted
// answer; an empty answer never answers at all.
class LocalHost : public QObject {
public:
    explicit LocalHost(QByteArray answer)
        : answer_(std::move(answer))
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    request_ += socket->readAll();
                    if (!request_.contains("\r\n\r\n") || answer_.isEmpty())
                        return;
                    socket->write(answer_);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    const QByteArray& request() const { return request_; }

private:
    QTcpServer server_;
    QByteArray answer_;
    QByteArray request_;
};

QByteArray Ok(const QByteArray& body)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/csv\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nConnection: close\r\n\r\n" + body;
}

struct Lookup {
    RecordingMessages messages;
    std::vector<QUrl> opened;
    void Run(const QString& host, int timeoutMs = 5000)
    {
        RunVersionLookup(host,
            { messages,
                [this](const QUrl& u) {
                    opened.push_back(u);
                    return true;
                },
                timeoutMs });
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> t;
        for (const auto& m : messages.shown())
            t.push_back(m.text);
        return t;
    }
};

TEST(VersionLookup, ShowsTheListAndOpensTheDownloadPageWhenTheUserAgrees)
{
    const QByteArray body = "Model,Name\r\n5595-50,Kp,2.1,2026-11-30,9,https://dl.example/kp\r\n";
    LocalHost host(Ok(body));
    Lookup l;
    l.messages.scriptAnswer(MessageAnswer::Ok);
    l.messages.scriptAnswer(MessageAnswer::Yes);
    l.Run(host.url());
    EXPECT_TRUE(host.request().startsWith("GET /Version/SoftwareVerInfoDB.csv HTTP/1.1\r\n"))
        << host.request().constData();
    ASSERT_EQ(l.Texts().size(), 2u);
    EXPECT_EQ(l.Texts()[0], body.toStdString());
    EXPECT_EQ(l.Texts()[1],
        "Product: 5595-50\nName: Kp\nLatest version: 2.1\nReleased: 2026-11-30\nDownload: https://dl.example/kp\n\n"
        "Open the download page?");
    EXPECT_EQ(l.opened, std::vector<QUrl> { QUrl(QStringLiteral("https://dl.example/kp")) });
}

TEST(VersionLookup, AnswersWithoutALinkToOpenOpenNothing)
{
    struct Case {
        const char* name;
        QByteArray body;
        const char* last;
    };
    const Case cases[] = {
        { "no line of this program", "4170-01,Other,1.0\r\n", "The list names no version of this program." },
        { "a link that is not a web address", "5595-50,Kp,2.1,2026,9,file:///etc/passwd\r\n",
            "Product: 5595-50\nName: Kp\nLatest version: 2.1\nReleased: 2026\nDownload: file:///etc/passwd" },
        { "malformed lines", QByteArray("\x01\x02,,,\r\n5595-50\r\n5595-50,\"x\n\xff\xfe"),
            "Product: 5595-50\nName: \"x\nLatest version: \nReleased: \nDownload: " },
    };
    for (const Case& c : cases) {
        LocalHost host(Ok(c.body));
        Lookup l;
        l.messages.scriptAnswer(MessageAnswer::Ok);
        l.messages.scriptAnswer(MessageAnswer::Yes);
        l.Run(host.url());
        ASSERT_FALSE(l.Texts().empty()) << c.name;
        EXPECT_EQ(l.Texts().back(), c.last) << c.name;
        EXPECT_TRUE(l.opened.empty()) << c.name;
    }
}

TEST(VersionLookup, AServerThatIsDownOrSilentGivesAClearMessage)
{
    QString downUrl;
    {
        LocalHost gone("");
        downUrl = gone.url();
    }
    LocalHost silent("");
    struct Case {
        QString host;
        const char* contains;
    };
    const Case cases[] = {
        { downUrl, "Connection refused" },
        { silent.url(), "No answer from 127.0.0.1 within 300 ms." },
        { QStringLiteral("ftp://127.0.0.1"), "is not an http or https address" },
    };
    for (const Case& c : cases) {
        Lookup l;
        l.Run(c.host, 300);
        ASSERT_EQ(l.Texts().size(), 1u) << c.host.toStdString();
        EXPECT_TRUE(l.Texts()[0].starts_with("The list of the latest versions could not be read.\n\n"));
        EXPECT_NE(l.Texts()[0].find(c.contains), std::string::npos) << l.Texts()[0];
        EXPECT_TRUE(l.opened.empty());
    }
}

} // namespace
} // namespace kp
