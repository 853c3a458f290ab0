#pragma once
// The network link of the settings window: a server that waits for a second copy of the
// game, a client that connects to one, and the time-stamped lines of their event log.
// It knows no window; it reports each socket event as a signal and each finished log line
// as another, and the settings window decides what they do to its controls.
#include <QHostAddress>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QTime>

#include <deque>
#include <functional>

class QTcpServer;
class QTcpSocket;

namespace sit {

inline constexpr quint16 port = 3333;

// The client connects synchronously, so a dead address would freeze the settings window;
// after this long the attempt counts as failed. The name lookup of a host name is not
// covered by it (Qt resolves names before the clock starts), a name under a dead resolver
// can take the resolver's own time on top.
inline constexpr int limit_pripojeni_ms = 5000;

// A peer's name that has not come after this long is written as unknown, so that a dead
// resolver holds the log back no longer than this.
inline constexpr int limit_jmena_ms = 3000;

// The client never reads, so what a server sends it stays in this small buffer and the
// rest waits in the peer's send queue instead of in our memory.
inline constexpr qint64 buffer_klienta = 4096;

// The locale's long time format without the time-zone name Qt adds to it: hours, minutes,
// seconds and an AM/PM marker where the locale has one.
QString format_casu(const QLocale& locale);
// The time of day in that format, as each log line begins.
QString dlouhy_cas(const QLocale& locale, const QTime& cas);

// The peer's dotted IPv4 address (any other address as Qt writes it).
QString adresa_protistrany(const QTcpSocket& spojeni);

// The answer to a name lookup: the host name, or an empty text when there is none.
using Odpoved = std::function<void(const QString& jmeno)>;
// Looks up the name of an address without waiting and answers later, on this thread;
// no answer comes once `kontext` is gone.
using Resolver = std::function<void(const QHostAddress& adresa, QObject* kontext, Odpoved)>;
// The system's reverse lookup, run by Qt off the window's thread.
void zjisti_jmeno(const QHostAddress& adresa, QObject* kontext, Odpoved odpoved);

}  // namespace sit

class SitoveSpojeni : public QObject {
    Q_OBJECT
public:
    explicit SitoveSpojeni(QObject* parent = nullptr);
    // Closes both sockets without reporting anything.
    ~SitoveSpojeni() override;

    QTcpServer* const server_socket;
    QTcpSocket* const client_socket;

    // The game keeps these as they are; a test picks its own port, a shorter wait and a
    // resolver that answers when the test says.
    quint16 port = sit::port;
    int limit_pripojeni_ms = sit::limit_pripojeni_ms;
    int limit_jmena_ms = sit::limit_jmena_ms;
    sit::Resolver resolver = sit::zjisti_jmeno;

    // Listens on all local IPv4 interfaces; false when the port is taken. The listen
    // event comes from inside the call.
    bool spust_server();
    // Connects the client and waits for it, raising its events from inside the call. A
    // failed attempt closes the half-open socket (its disconnect event comes) and gives false.
    // An active client keeps its connection and gives true.
    bool pripoj(const QString& adresa);
    bool klient_aktivni() const;

    // Closes the client; the disconnect event comes once, and only for an active client.
    void zavri_klienta();
    // Closes the client without any event.
    void odpoj_klienta();
    // Stops listening and drops the accepted connections, without any event.
    void zavri_server();

    // A log line for an event that happens now.
    void zapis(const QString& udalost);
    // The " Connected:" line of a connection that happens now: written once the peer's
    // name is known, and every later line waits behind it, so the log keeps the order in
    // which the events came.
    void zapis_spojeni(const QTcpSocket& spojeni);

signals:
    // A finished log line, time first; the lines come oldest first.
    void radek(const QString& text);

    void client_lookup();
    void client_connecting();
    void client_connect();
    void client_disconnect();

    void server_listen();
    void server_get_socket();
    void server_accept();
    void server_client_connect(QTcpSocket* klient);
    void server_client_disconnect(QTcpSocket* klient);
    void server_client_error(QTcpSocket* klient);
    // Once per connection: the data is never read, and a socket whose data waits unread
    // raises no second read event.
    void server_client_read(QTcpSocket* klient);
    void server_client_write(QTcpSocket* klient);

private:
    void prijmi_spojeni();
    void sleduj(QTcpSocket* klient);
    void doplneno(quint64 cislo, const QString& text);
    void vypis();

    struct Radek {
        quint64 cislo;
        QString text;
        bool hotovy;
    };
    std::deque<Radek> fronta_;
    quint64 posledni_cislo_ = 0;
    bool klient_aktivni_ = false;
};
