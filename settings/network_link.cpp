// The network link: a server waiting on port 3333, a client that connects to it, and the
// log of every socket event. No game data ever crosses it.
#include "settings/network_link.h"

#include <QHostInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace sit {

QString format_casu(const QLocale& locale)
{
    // Qt's long time format ends in the time-zone name ("t"); the log shows the clock only.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString bez_zony;
    bool v_uvozovkach = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar znak = format.at(i);
        if (znak == QLatin1Char('\'')) {
            v_uvozovkach = !v_uvozovkach;
        } else if (!v_uvozovkach && znak == QLatin1Char('t')) {
            while (!bez_zony.isEmpty() && bez_zony.back().isSpace())
                bez_zony.chop(1);
            while (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('t'))
                ++i;
            if (bez_zony.isEmpty())
                while (i + 1 < format.size() && format.at(i + 1).isSpace())
                    ++i;
            continue;
        }
        bez_zony += znak;
    }
    return bez_zony;
}

QString dlouhy_cas(const QLocale& locale, const QTime& cas)
{
    return locale.toString(cas, format_casu(locale));
}

}  // namespace sit

namespace {

QHostAddress ipv4_protistrany(const QTcpSocket& spojeni)
{
    const QHostAddress adresa = spojeni.peerAddress();
    bool ok = false;
    const quint32 v4 = adresa.toIPv4Address(&ok);
    return ok ? QHostAddress(v4) : adresa;
}

// Set on an accepted connection once its read event has been raised.
constexpr char cteni_ohlaseno[] = "tarvana_cteni_ohlaseno";

// The time stamp of an event that happens now.
QString ted() { return sit::dlouhy_cas(QLocale::system(), QTime::currentTime()); }

}  // namespace

namespace sit {

QString adresa_protistrany(const QTcpSocket& spojeni)
{
    return ipv4_protistrany(spojeni).toString();
}

void zjisti_jmeno(const QHostAddress& adresa, QObject* kontext, Odpoved odpoved)
{
    const QString text = adresa.toString();
    QHostInfo::lookupHost(text, kontext, [text, odpoved = std::move(odpoved)](const QHostInfo& i) {
        // An address without a name comes back as itself.
        odpoved(i.error() == QHostInfo::NoError && i.hostName() != text ? i.hostName() : QString());
    });
}

}  // namespace sit

SitoveSpojeni::SitoveSpojeni(QObject* parent)
    : QObject(parent), server_socket(new QTcpServer(this)), client_socket(new QTcpSocket(this))
{
    client_socket->setReadBufferSize(sit::buffer_klienta);
    connect(server_socket, &QTcpServer::newConnection, this, [this] { prijmi_spojeni(); });
    // The client's connect is synchronous: these come from inside pripoj. Once connected
    // the client is told nothing more (no read, write, error or close by the server), so
    // its later signals stay unconnected.
    connect(client_socket, &QAbstractSocket::stateChanged, this,
            [this](QAbstractSocket::SocketState s) {
                if (s == QAbstractSocket::HostLookupState)
                    emit client_lookup();
            });
    connect(client_socket, &QAbstractSocket::hostFound, this, [this] { emit client_connecting(); });
    connect(client_socket, &QAbstractSocket::connected, this, [this] { emit client_connect(); });
}

SitoveSpojeni::~SitoveSpojeni()
{
    // The sockets tell this object nothing more while it goes.
    server_socket->disconnect(this);
    client_socket->disconnect(this);
    zavri_server();
    odpoj_klienta();
    delete server_socket;
    delete client_socket;
}

bool SitoveSpojeni::klient_aktivni() const { return klient_aktivni_; }

bool SitoveSpojeni::spust_server()
{
    if (server_socket->isListening())
        return true;
    if (!server_socket->listen(QHostAddress::AnyIPv4, port))
        return false;
    emit server_listen();
    return true;
}

bool SitoveSpojeni::pripoj(const QString& adresa)
{
    if (klient_aktivni_)
        return true;
    klient_aktivni_ = true;
    client_socket->connectToHost(adresa, port, QIODevice::ReadWrite,
                                 QAbstractSocket::IPv4Protocol);
    if (client_socket->state() == QAbstractSocket::ConnectedState ||
        client_socket->waitForConnected(limit_pripojeni_ms))
        return true;
    zavri_klienta();
    return false;
}

void SitoveSpojeni::zavri_klienta()
{
    if (!klient_aktivni_)
        return;
    odpoj_klienta();
    emit client_disconnect();
}

void SitoveSpojeni::odpoj_klienta()
{
    klient_aktivni_ = false;
    client_socket->abort();
}

void SitoveSpojeni::zavri_server()
{
    server_socket->close();
    const auto spojeni = server_socket->findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly);
    for (QTcpSocket* klient : spojeni) {
        klient->disconnect(this);
        klient->abort();
        klient->deleteLater();
    }
}

void SitoveSpojeni::prijmi_spojeni()
{
    while (server_socket->hasPendingConnections()) {
        emit server_get_socket();
        QTcpSocket* klient = server_socket->nextPendingConnection();
        if (!klient)
            break;
        sleduj(klient);
        emit server_accept();
        emit server_client_connect(klient);
    }
}

void SitoveSpojeni::sleduj(QTcpSocket* klient)
{
    connect(klient, &QIODevice::readyRead, this, [this, klient] {
        if (!klient->property(cteni_ohlaseno).toBool()) {
            klient->setProperty(cteni_ohlaseno, true);
            emit server_client_read(klient);
        }
        // Nothing is read, yet Qt would keep every byte a peer sends: throw them away so a
        // flooding peer costs no memory and still gets its disconnect noticed.
        klient->skip(klient->bytesAvailable());
    });
    connect(klient, &QIODevice::bytesWritten, this,
            [this, klient] { emit server_client_write(klient); });
    connect(klient, &QAbstractSocket::errorOccurred, this,
            [this, klient](QAbstractSocket::SocketError chyba) {
                // The peer closing its end is its disconnect, not an error.
                if (chyba != QAbstractSocket::RemoteHostClosedError)
                    emit server_client_error(klient);
            });
    connect(klient, &QAbstractSocket::disconnected, this, [this, klient] {
        emit server_client_disconnect(klient);
        klient->deleteLater();
    });
}

void SitoveSpojeni::zapis(const QString& udalost)
{
    fronta_.push_back({++posledni_cislo_, ted() + udalost, true});
    vypis();
}

void SitoveSpojeni::zapis_spojeni(const QTcpSocket& spojeni)
{
    const QHostAddress adresa = ipv4_protistrany(spojeni);
    const QString cas = ted();
    const quint64 cislo = ++posledni_cislo_;
    const auto radek_se_jmenem = [cas, adresa = adresa.toString()](const QString& jmeno) {
        return cas + QStringLiteral(" Connected:") + jmeno + QStringLiteral(" (") + adresa +
               QLatin1Char(')');
    };
    if (adresa.isNull()) {
        fronta_.push_back({cislo, radek_se_jmenem(QString()), true});
        vypis();
        return;
    }
    fronta_.push_back({cislo, QString(), false});
    const auto odpoved = [this, cislo, radek_se_jmenem](const QString& jmeno) {
        doplneno(cislo, radek_se_jmenem(jmeno));
    };
    QTimer::singleShot(limit_jmena_ms, this, [odpoved] { odpoved(QString()); });
    resolver(adresa, this, odpoved);
}

void SitoveSpojeni::doplneno(quint64 cislo, const QString& text)
{
    for (Radek& r : fronta_)
        if (r.cislo == cislo && !r.hotovy) {
            r.text = text;
            r.hotovy = true;
            vypis();
            return;
        }
}

void SitoveSpojeni::vypis()
{
    while (!fronta_.empty() && fronta_.front().hotovy) {
        // Taken off first: a receiver may log again from inside the signal.
        const QString text = std::move(fronta_.front().text);
        fronta_.pop_front();
        emit radek(text);
    }
}
