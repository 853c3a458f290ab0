// The network link of the settings window on loopback: a server on a port of the test's
// own, the game's own client, raw peers, and the event log they leave.
#include "settings/network_link.h"
#include "settings/tarvana_nastaveni.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

// Readable failures.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString designed_line = QStringLiteral("Podrobnosti o internetove komunikaci...");
const QString local_peer = QStringLiteral(" Connected:localhost (127.0.0.1)");

// The log split into lines, newest first, with each time stamp checked and cut off.
QStringList events(const Tform_nastaveni& okno)
{
    static const QRegularExpression line(
        QStringLiteral("^(.*?)( (?:Client|Server) Socket - .*| Connected:.*)$"));
    const QLocale locale = QLocale::system();
    const QString format = sit::format_casu(locale);
    QStringList result;
    for (const QString& text : okno.mmb_internet->toPlainText().split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch()) {
            result << text;
            continue;
        }
        const QTime stamp = locale.toTime(m.captured(1), format);
        EXPECT_TRUE(stamp.isValid()) << "stamp of: " << text.toStdString();
        const int off = std::abs(stamp.secsTo(QTime::currentTime()));
        EXPECT_TRUE(off < 60 || off > 86400 - 60) << text.toStdString();
        result << m.captured(2);
    }
    return result;
}

QString status(const Tform_nastaveni& okno) { return okno.lbl_info_internet->text(); }

bool closes(const QTcpSocket& socket)
{
    const auto closed = [&] { return socket.state() == QAbstractSocket::UnconnectedState; };
    return QTest::qWaitFor(closed, 3000);
}

QStringList with_designed(QStringList lines)
{
    lines << designed_line;
    return lines;
}

// Answers each message box as soon as it is up, and keeps what it said together with what
// the window showed at that moment.
struct Dialogs {
    struct Seen {
        QString text;
        QMessageBox::Icon icon;
        qsizetype buttons;
        QString status;
        QStringList log;
    };
    const Tform_nastaveni* okno;
    std::vector<Seen> seen;
    QTimer timer;

    explicit Dialogs(const Tform_nastaveni* o) : okno(o)
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.push_back({box->text(), box->icon(), box->buttons().size(),
                            status(*okno), events(*okno)});
            box->buttons().front()->click();
        });
        timer.start();
    }
};

// Several test runs share this machine, and the game itself may be running: each test
// takes a port nobody listens on instead of the game's own.
quint16 test_port()
{
    static const quint16 port = [] {
        QTcpServer probe;
        EXPECT_TRUE(probe.listen(QHostAddress::AnyIPv4, 0));
        return probe.serverPort();
    }();
    return port;
}

std::unique_ptr<QTcpSocket> raw_peer()
{
    auto peer = std::make_unique<QTcpSocket>();
    peer->connectToHost(QHostAddress::LocalHost, test_port());
    EXPECT_TRUE(peer->waitForConnected(2000)) << peer->errorString().toStdString();
    return peer;
}

bool port_accepts()
{
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, test_port());
    return probe.waitForConnected(1000);
}

// A resolver that keeps every lookup until the test answers it, as a slow name server would.
struct LateResolver {
    struct Request {
        QHostAddress address;
        sit::Odpoved answer;
    };
    std::vector<Request> requests;

    sit::Resolver seam()
    {
        return [this](const QHostAddress& address, QObject*, sit::Odpoved answer) {
            requests.push_back({address, std::move(answer)});
        };
    }
};

class NetworkTest : public ::testing::Test {
protected:
    std::vector<std::unique_ptr<Tform_nastaveni>> okna;

    // A shown settings window switched to the network game type, in the given role.
    Tform_nastaveni& window(bool klient = false)
    {
        okna.push_back(std::make_unique<Tform_nastaveni>());
        Tform_nastaveni& o = *okna.back();
        o.sitove_spojeni->port = test_port();
        o.show();
        o.rdb_internet->setEnabled(true);
        o.rdb_internet->click();
        if (klient)
            o.rdb_klient->click();
        return o;
    }

    Tform_nastaveni& server()
    {
        Tform_nastaveni& o = window();
        o.btn_server->click();
        EXPECT_TRUE(o.sitove_spojeni->server_socket->isListening());
        return o;
    }

    // A server window and a second window whose client is connected to it.
    std::pair<Tform_nastaveni*, Tform_nastaveni*> connected_pair()
    {
        Tform_nastaveni& host = server();
        Tform_nastaveni& guest = window(true);
        guest.btn_klient->click();
        // Both ends have written all they will before the test goes on.
        EXPECT_TRUE(wait_for_line(host, local_peer));
        EXPECT_TRUE(wait_for_line(guest, local_peer));
        return {&host, &guest};
    }

    static bool wait_for_line(const Tform_nastaveni& o, const QString& line)
    {
        return QTest::qWaitFor([&] { return events(o).contains(line); }, 3000);
    }

    void TearDown() override
    {
        okna.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST(NetworkTimeFormat, LongTimeWithoutZoneName)
{
    struct Case {
        const char* locale;
        QTime time;
        QString expected;
    } cases[] = {
        {"C", QTime(5, 20, 49), QStringLiteral("05:20:49")},
        {"en_US", QTime(17, 3, 9), QStringLiteral("5:03:09 PM")},
        {"en_US", QTime(0, 0, 0), QStringLiteral("12:00:00 AM")},
        {"cs_CZ", QTime(5, 20, 49), QStringLiteral("5:20:49")},
        {"de_DE", QTime(23, 59, 59), QStringLiteral("23:59:59")},
    };
    for (const Case& c : cases) {
        const QLocale locale(QString::fromLatin1(c.locale));
        EXPECT_EQ(sit::dlouhy_cas(locale, c.time), c.expected) << c.locale;
    }
    // A zone name at the front of a format goes as well, blanks and all.
    const QString ko = sit::format_casu(QLocale(QStringLiteral("ko_KR")));
    EXPECT_FALSE(ko.contains(QLatin1Char('t'))) << ko.toStdString();
    EXPECT_EQ(ko, ko.trimmed());
}

TEST_F(NetworkTest, ServerListensAndLocksRoleControls)
{
    Tform_nastaveni& o = server();
    EXPECT_EQ(events(o), with_designed({QStringLiteral(" Server Socket - Listen")}));
    EXPECT_EQ(status(o), QStringLiteral("Cekani na spoluhrace..."));
    for (QWidget* w : std::initializer_list<QWidget*>{o.btn_server, o.btn_klient, o.edt_adresa,
                                                      o.rdb_server, o.rdb_klient, o.btn_ok})
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
    EXPECT_TRUE(port_accepts());
}

TEST_F(NetworkTest, OwnClientConnectsToOwnServerAndLeaves)
{
    Tform_nastaveni& host = server();
    Tform_nastaveni& guest = window(true);
    guest.btn_klient->click();

    const QString connected = local_peer;
    ASSERT_TRUE(wait_for_line(guest, connected));
    EXPECT_EQ(events(guest), with_designed({connected, QStringLiteral(" Client Socket - Connect"),
                                            QStringLiteral(" Client Socket - Connecting"),
                                            QStringLiteral(" Client Socket - Lookup")}));
    EXPECT_EQ(status(guest), QStringLiteral("Spojeni se serverem bylo uspesne!"));
    for (QWidget* w : std::initializer_list<QWidget*>{guest.btn_server, guest.btn_klient,
                                                      guest.edt_adresa, guest.rdb_server,
                                                      guest.rdb_klient, guest.btn_ok})
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();

    ASSERT_TRUE(wait_for_line(host, connected));
    EXPECT_EQ(events(host),
              with_designed({connected, QStringLiteral(" Server Socket - Client Connect"),
                             QStringLiteral(" Server Socket - Accept"),
                             QStringLiteral(" Server Socket - GetSocket"),
                             QStringLiteral(" Server Socket - Listen")}));
    EXPECT_EQ(status(host), QStringLiteral("Spojeni s klientem bylo uspesne!"));

    // The guest leaves by choosing a local game: its socket reports the close, then the
    // game type sets its own texts.
    guest.rdb_clovek_pocitac->click();
    EXPECT_EQ(events(guest).front(), QStringLiteral(" Client Socket - Disconnect"));
    EXPECT_EQ(status(guest), QStringLiteral("Neni aktivni."));
    EXPECT_TRUE(guest.btn_ok->isEnabled());

    ASSERT_TRUE(wait_for_line(host, QStringLiteral(" Server Socket - Client Disconnect")));
    EXPECT_EQ(events(host).front(), QStringLiteral(" Server Socket - Client Disconnect"));
    EXPECT_EQ(status(host),
              QStringLiteral("Klient se odpojil! Cekani na pripojeni..."));
    EXPECT_TRUE(host.sitove_spojeni->server_socket->isListening());
    EXPECT_TRUE(port_accepts());
}

TEST_F(NetworkTest, ConnectedClientIsNotToldWhenServerCloses)
{
    auto [host, guest] = connected_pair();
    const QStringList before = events(*guest);

    host->rdb_clovek_clovek->click();
    EXPECT_FALSE(port_accepts());
    QTest::qWait(200);
    EXPECT_EQ(events(*guest), before);
    EXPECT_EQ(status(*guest), QStringLiteral("Spojeni se serverem bylo uspesne!"));

    // Closing it from this side is still reported, once.
    guest->rdb_clovek_clovek->click();
    guest->rdb_clovek_pocitac->click();
    QStringList expected = before;
    expected.prepend(QStringLiteral(" Client Socket - Disconnect"));
    EXPECT_EQ(events(*guest), expected);
}

TEST_F(NetworkTest, FailedConnectReportsDisconnectBeforeTheDialog)
{
    const QString lookup = QStringLiteral(" Client Socket - Lookup");
    const QString connecting = QStringLiteral(" Client Socket - Connecting");
    const QString disconnect = QStringLiteral(" Client Socket - Disconnect");
    struct Case {
        const char* address;
        QStringList expected;
    } cases[] = {
        {"127.0.0.1", {disconnect, connecting, lookup}},  // nothing listens
        {"localhost", {disconnect, connecting, lookup}},
        {"nikde.invalid", {disconnect, lookup}},  // the name does not resolve
    };
    for (const Case& c : cases) {
        Tform_nastaveni& o = window(true);
        o.edt_adresa->setText(QString::fromLatin1(c.address));
        Dialogs dialogs(&o);
        o.btn_klient->click();

        ASSERT_EQ(dialogs.seen.size(), 1u) << c.address;
        const Dialogs::Seen& d = dialogs.seen.front();
        EXPECT_EQ(d.text, QStringLiteral("Chyba: Spojeni se serverem bylo neuspesne!"));
        EXPECT_EQ(d.icon, QMessageBox::Critical);
        EXPECT_EQ(d.buttons, 1);
        EXPECT_EQ(d.status, QStringLiteral("Spojeni preruseno!")) << c.address;
        EXPECT_EQ(d.log, with_designed(c.expected)) << c.address;

        // Back to the client role, ready for another try.
        EXPECT_TRUE(o.rdb_server->isEnabled());
        EXPECT_TRUE(o.rdb_klient->isEnabled());
        EXPECT_TRUE(o.btn_klient->isEnabled());
        EXPECT_TRUE(o.edt_adresa->isEnabled());
        EXPECT_FALSE(o.edt_jmeno1->isEnabled());
        EXPECT_FALSE(o.btn_ok->isEnabled());
        EXPECT_EQ(o.sitove_spojeni->client_socket->state(), QAbstractSocket::UnconnectedState);
    }
}

TEST_F(NetworkTest, ConnectToUnansweringServerGivesUpInBoundedTime)
{
    // A server with a full accept queue never answers a further connect.
    QTcpServer silent;
    silent.setListenBacklogSize(0);
    ASSERT_TRUE(silent.listen(QHostAddress::AnyIPv4, test_port()));
    silent.pauseAccepting();
    auto filler = raw_peer();

    Tform_nastaveni& o = window(true);
    const int limit = 400;
    o.sitove_spojeni->limit_pripojeni_ms = limit;
    Dialogs dialogs(&o);
    QElapsedTimer clock;
    clock.start();
    o.btn_klient->click();
    const qint64 took = clock.elapsed();

    EXPECT_GE(took, limit - 50);
    EXPECT_LT(took, limit + 3000);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen.front().log.front(), QStringLiteral(" Client Socket - Disconnect"));
}

TEST_F(NetworkTest, PortInUseShowsDialogAndChangesNothing)
{
    const QHostAddress blockers[] = {QHostAddress(QHostAddress::AnyIPv4),
                                     QHostAddress(QHostAddress::Any),
                                     QHostAddress(QHostAddress::LocalHost)};
    for (const QHostAddress& where : blockers) {
        QTcpServer blocker;
        ASSERT_TRUE(blocker.listen(where, test_port()));
        Tform_nastaveni& o = window();
        Dialogs dialogs(&o);
        o.btn_server->click();

        ASSERT_EQ(dialogs.seen.size(), 1u) << where.toString().toStdString();
        EXPECT_EQ(dialogs.seen.front().text,
                  QStringLiteral("Chyba: Jeden server je jiz na tomto pocitaci aktivni!"));
        EXPECT_EQ(dialogs.seen.front().icon, QMessageBox::Critical);
        EXPECT_EQ(dialogs.seen.front().buttons, 1);
        EXPECT_EQ(events(o), QStringList{designed_line});
        EXPECT_EQ(status(o), QStringLiteral("Zvolte typ pripojeni pres internet."));
        EXPECT_TRUE(o.btn_server->isEnabled());
        EXPECT_TRUE(o.rdb_klient->isEnabled());
        EXPECT_FALSE(o.sitove_spojeni->server_socket->isListening());
    }
}

TEST_F(NetworkTest, SecondGameServerOnThisComputerIsRefused)
{
    server();
    Tform_nastaveni& second = window();
    Dialogs dialogs(&second);
    second.btn_server->click();
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen.front().text,
              QStringLiteral("Chyba: Jeden server je jiz na tomto pocitaci aktivni!"));
}

TEST_F(NetworkTest, PeerDataIsLoggedOnceAndDiscarded)
{
    Tform_nastaveni& o = server();
    auto peer = raw_peer();
    ASSERT_TRUE(wait_for_line(o, QStringLiteral(" Server Socket - Client Connect")));

    peer->write("hello");
    ASSERT_TRUE(wait_for_line(o, QStringLiteral(" Server Socket - Client Read")));
    EXPECT_EQ(events(o).front(), QStringLiteral(" Server Socket - Client Read"));

    // A flood: 16 MiB in pieces. It costs the server no memory and the log one line.
    const QByteArray piece(64 * 1024, 'x');
    for (int i = 0; i < 256; ++i) {
        peer->write(piece);
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return peer->bytesToWrite() == 0; }, 20000));
    QTest::qWait(200);
    const auto kept = o.sitove_spojeni->server_socket->findChildren<QTcpSocket*>();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept.front()->bytesAvailable(), 0);
    EXPECT_EQ(events(o).count(QStringLiteral(" Server Socket - Client Read")), 1);
    EXPECT_FALSE(o.mmb_internet->toPlainText().contains(QStringLiteral("hello")));

    peer->disconnectFromHost();
    ASSERT_TRUE(wait_for_line(o, QStringLiteral(" Server Socket - Client Disconnect")));
    EXPECT_EQ(events(o).front(), QStringLiteral(" Server Socket - Client Disconnect"));
    EXPECT_EQ(status(o), QStringLiteral("Klient se odpojil! Cekani na pripojeni..."));
    EXPECT_FALSE(o.btn_ok->isEnabled());

    // Still listening for the next player.
    auto next = raw_peer();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return events(o).count(QStringLiteral(" Server Socket - Client Connect")) == 2; },
        3000));
    EXPECT_EQ(status(o), QStringLiteral("Spojeni s klientem bylo uspesne!"));
}

TEST_F(NetworkTest, EventsWhileHiddenChangeNothing)
{
    Tform_nastaveni& o = server();
    o.hide();
    const QStringList log = events(o);
    const QString status_before = status(o);

    auto peer = raw_peer();
    peer->write("data");
    peer->flush();
    QTest::qWait(100);
    peer->disconnectFromHost();
    const QTcpServer& server = *o.sitove_spojeni->server_socket;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return server.findChildren<QTcpSocket*>().isEmpty(); }, 3000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(events(o), log);
    EXPECT_EQ(status(o), status_before);
    EXPECT_FALSE(o.btn_server->isEnabled());
    EXPECT_TRUE(o.sitove_spojeni->server_socket->isListening());
}

TEST_F(NetworkTest, HiddenClientStillClosesItsSocket)
{
    auto [host, guest] = connected_pair();
    const QStringList log = events(*guest);

    guest->hide();
    guest->client_socketDisconnect();
    EXPECT_EQ(events(*guest), log);
    EXPECT_EQ(status(*guest), QStringLiteral("Spojeni se serverem bylo uspesne!"));
    // The server sees the connection go.
    EXPECT_TRUE(wait_for_line(*host, QStringLiteral(" Server Socket - Client Disconnect")));
}

TEST_F(NetworkTest, ConnectionErrorStopsServerAndIsReported)
{
    for (const bool visible : {true, false}) {
        Tform_nastaveni& o = server();
        auto peer = raw_peer();
        ASSERT_TRUE(wait_for_line(o, local_peer));
        QTcpSocket* connection =
            o.sitove_spojeni->server_socket->findChildren<QTcpSocket*>().front();
        const QString message = connection->errorString();
        if (!visible)
            o.hide();
        const QStringList log = events(o);
        const QString status_before = status(o);

        Dialogs dialogs(&o);
        emit connection->errorOccurred(QAbstractSocket::NetworkError);

        EXPECT_FALSE(o.sitove_spojeni->server_socket->isListening()) << visible;
        ASSERT_EQ(dialogs.seen.size(), 1u) << visible;
        EXPECT_EQ(dialogs.seen.front().text, message);
        if (visible) {
            EXPECT_EQ(dialogs.seen.front().log.front(),
                      QStringLiteral(" Server Socket - Client Error"));
            EXPECT_EQ(dialogs.seen.front().status, QStringLiteral("Spojeni preruseno!"));
            EXPECT_TRUE(o.btn_server->isEnabled());
            EXPECT_TRUE(o.rdb_klient->isEnabled());
            EXPECT_FALSE(o.btn_ok->isEnabled());
        } else {
            EXPECT_EQ(events(o), log);
            EXPECT_EQ(status(o), status_before);
        }
        // The peer's connection went with the server.
        EXPECT_TRUE(closes(*peer));
        okna.clear();
    }
}

TEST_F(NetworkTest, LocalGameTypeDeactivatesBothSockets)
{
    Tform_nastaveni& o = server();
    auto peer = raw_peer();
    // The same window also joins its own server as a client.
    o.rdb_klient->setChecked(true);
    o.btn_klient->click();
    ASSERT_EQ(o.sitove_spojeni->client_socket->state(), QAbstractSocket::ConnectedState);
    // The raw peer and the own client seen by the server, the server seen by the client.
    ASSERT_TRUE(QTest::qWaitFor([&] { return events(o).count(local_peer) == 3; }, 3000));

    o.rdb_clovek_pocitac->click();
    EXPECT_FALSE(o.sitove_spojeni->server_socket->isListening());
    EXPECT_FALSE(port_accepts());
    EXPECT_EQ(o.sitove_spojeni->client_socket->state(), QAbstractSocket::UnconnectedState);
    EXPECT_TRUE(closes(*peer));
    EXPECT_EQ(events(o).front(), QStringLiteral(" Client Socket - Disconnect"));
    EXPECT_EQ(status(o), QStringLiteral("Neni aktivni."));
    EXPECT_TRUE(o.btn_ok->isEnabled());
}

// The peer's name comes from a resolver that answers only when the test says: the window
// goes on handling its peers meanwhile, and the log still shows each line where its event
// belongs, the " Connected:" line right above its connect line.
TEST_F(NetworkTest, PeerNameComesLateAndTheLogKeepsItsOrder)
{
    LateResolver resolver;
    Tform_nastaveni& o = window();
    o.sitove_spojeni->resolver = resolver.seam();
    o.btn_server->click();

    auto first = raw_peer();
    auto second = raw_peer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return resolver.requests.size() == 2; }, 3000));
    for (const LateResolver::Request& r : resolver.requests)
        EXPECT_EQ(r.address, QHostAddress(QHostAddress::LocalHost));
    const QString connect = QStringLiteral(" Server Socket - Client Connect");
    const QString accept = QStringLiteral(" Server Socket - Accept");
    const QString get_socket = QStringLiteral(" Server Socket - GetSocket");
    const QStringList until_first_name =
        with_designed({connect, accept, get_socket, QStringLiteral(" Server Socket - Listen")});
    EXPECT_EQ(events(o), until_first_name);

    // Not blocked: the first peer's data and its leaving are handled at once, only their
    // lines wait.
    first->write("x");
    first->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return status(o) == QStringLiteral("Klient se odpojil! Cekani na pripojeni..."); },
        3000));
    EXPECT_FALSE(o.btn_ok->isEnabled());
    EXPECT_EQ(events(o), until_first_name);

    // The second answer first: its line still waits for the first.
    resolver.requests[1].answer(QStringLiteral("druhy"));
    EXPECT_EQ(events(o), until_first_name);

    resolver.requests[0].answer(QStringLiteral("prvni"));
    EXPECT_EQ(events(o), QStringList({QStringLiteral(" Server Socket - Client Disconnect"),
                                      QStringLiteral(" Server Socket - Client Read"),
                                      QStringLiteral(" Connected:druhy (127.0.0.1)"), connect,
                                      accept, get_socket,
                                      QStringLiteral(" Connected:prvni (127.0.0.1)")}) +
                             until_first_name);
}

// A name that does not come in time is written as unknown, and its late answer is dropped.
TEST_F(NetworkTest, PeerNameThatNeverComesIsWrittenEmpty)
{
    server();
    LateResolver resolver;
    Tform_nastaveni& guest = window(true);
    guest.sitove_spojeni->resolver = resolver.seam();
    guest.sitove_spojeni->limit_jmena_ms = 100;
    guest.btn_klient->click();

    const QStringList connect = with_designed({QStringLiteral(" Client Socket - Connect"),
                                               QStringLiteral(" Client Socket - Connecting"),
                                               QStringLiteral(" Client Socket - Lookup")});
    EXPECT_EQ(events(guest), connect);
    EXPECT_EQ(status(guest), QStringLiteral("Spojeni se serverem bylo uspesne!"));
    ASSERT_EQ(resolver.requests.size(), 1u);

    // Leaving before the name is known: the line waits behind the missing name.
    guest.rdb_clovek_pocitac->click();
    EXPECT_EQ(events(guest), connect);
    const QString unknown = QStringLiteral(" Connected: (127.0.0.1)");
    ASSERT_TRUE(wait_for_line(guest, unknown));
    QStringList expected = connect;
    expected.prepend(unknown);
    expected.prepend(QStringLiteral(" Client Socket - Disconnect"));
    EXPECT_EQ(events(guest), expected);

    resolver.requests.front().answer(QStringLiteral("pozde"));
    EXPECT_EQ(events(guest), expected);
}

} // namespace
