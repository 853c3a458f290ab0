#pragma once
// Pieces of the network link that need no window: the port, the connect bound, the time
// stamp of the event log and the peer's name and address.
#include <QLocale>
#include <QString>
#include <QTime>

class QTcpSocket;

namespace sit {

inline constexpr quint16 port = 3333;

// The client connects synchronously, so a dead address would freeze the settings window;
// after this long the attempt counts as failed. The name lookup of a host name is not
// covered by it (Qt resolves names before the clock starts), a name under a dead resolver
// can take the resolver's own time on top.
inline constexpr int limit_pripojeni_ms = 5000;

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

// The peer's host name, empty when it cannot be resolved. A loopback peer is looked up in
// reverse (answered locally, at once); any other peer only keeps the name this side
// connected to, because a reverse lookup over the network would block the window.
QString jmeno_protistrany(const QTcpSocket& spojeni);

}  // namespace sit
