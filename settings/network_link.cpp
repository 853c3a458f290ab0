// The network link of the settings window: a server waiting on port 3333, a client that
// connects to it, and the log of every socket event. No game data ever crosses it.
#include "settings/network_link.h"

#include "game/exceptions.h"
#include "settings/tarvana_nastaveni.h"

#include <QApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextCursor>
#include <QTextDocument>

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

namespace {
QHostAddress ipv4_protistrany(const QTcpSocket& spojeni)
{
    const QHostAddress adresa = spojeni.peerAddress();
    bool ok = false;
    const quint32 v4 = adresa.toIPv4Address(&ok);
    return ok ? QHostAddress(v4) : adresa;
}
}  // namespace

QString adresa_protistrany(const QTcpSocket& spojeni)
{
    return ipv4_protistrany(spojeni).toString();
}

QString jmeno_protistrany(const QTcpSocket& spojeni)
{
    const QHostAddress adresa = ipv4_protistrany(spojeni);
    if (adresa.isLoopback()) {
        const QString text = adresa.toString();
        const QHostInfo info = QHostInfo::fromName(text);
        // An address without a name comes back as itself.
        return info.error() == QHostInfo::NoError && info.hostName() != text ? info.hostName()
                                                                             : QString();
    }
    const QString jmeno = spojeni.peerName();
    return QHostAddress(jmeno).isNull() ? jmeno : QString();
}

}  // namespace sit

namespace {

// Set on an accepted connection once its read event has been raised: the data is never
// read, so like any socket whose data waits unread it raises no second one.
constexpr char cteni_ohlaseno[] = "tarvana_cteni_ohlaseno";

constexpr char server_uz_bezi[] = "Chyba: Jeden server je jiz na tomto pocitaci aktivni!";
constexpr char spojeni_selhalo[] = "Chyba: Spojeni se serverem bylo neuspesne!";

void zapis(Tform_nastaveni& okno, const QString& text)
{
    QTextCursor kurzor(okno.mmb_internet->document());
    kurzor.movePosition(QTextCursor::Start);
    kurzor.insertText(sit::dlouhy_cas(QLocale::system(), QTime::currentTime()) + text +
                      QLatin1Char('\n'));
}

void zapis_spojeni(Tform_nastaveni& okno, const QTcpSocket& spojeni)
{
    zapis(okno, QStringLiteral(" Connected:") + sit::jmeno_protistrany(spojeni) +
                    QStringLiteral(" (") + sit::adresa_protistrany(spojeni) +
                    QLatin1Char(')'));
}

// Logs an event if the window is visible; an event that was not logged has no other effect.
bool ohlas(Tform_nastaveni& okno, const QString& text)
{
    if (!okno.isVisible())
        return false;
    zapis(okno, text);
    return true;
}

void stav(Tform_nastaveni& okno, const QString& text)
{
    okno.lbl_info_internet->setText(text);
    okno.lbl_info_internet->repaint();
}

void zamkni_role(Tform_nastaveni& okno)
{
    QWidget* const prvky[] = {okno.btn_server, okno.btn_klient, okno.edt_adresa, okno.rdb_server,
                              okno.rdb_klient};
    for (QWidget* prvek : prvky)
        prvek->setEnabled(false);
}

void obnov_role(Tform_nastaveni& okno)
{
    okno.btn_ok->setEnabled(false);
    okno.rdb_server->setEnabled(true);
    okno.rdb_klient->setEnabled(true);
    if (okno.rdb_server->isChecked()) {
        okno.btn_server->setEnabled(true);
        okno.edt_adresa->setEnabled(false);
        okno.edt_jmeno2->setEnabled(false);
    }
    if (okno.rdb_klient->isChecked()) {
        okno.btn_klient->setEnabled(true);
        okno.edt_adresa->setEnabled(true);
        okno.edt_jmeno1->setEnabled(false);
    }
}

// The common end of a connection that was closed or failed.
void ohlas_preruseni(Tform_nastaveni& okno, const QString& text)
{
    if (!ohlas(okno, text))
        return;
    obnov_role(okno);
    stav(okno, QStringLiteral("Spojeni preruseno!"));
}

void chybove_hlaseni(QWidget* rodic, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Chyba"), text, QMessageBox::Ok, rodic);
    box.exec();
}

}  // namespace

void Tform_nastaveni::zaloz_sit()
{
    server_socket = new QTcpServer(this);
    client_socket = new QTcpSocket(this);
    client_socket->setReadBufferSize(sit::buffer_klienta);
    // A log that only grows needs no undo history beside it.
    if (mmb_internet)
        mmb_internet->document()->setUndoRedoEnabled(false);

    connect(server_socket, &QTcpServer::newConnection, this, [this] { prijmi_spojeni(); });
    // The client's connect is synchronous: these come from inside btn_klientClick. Once
    // connected it is told nothing more, so its later signals stay unconnected.
    connect(client_socket, &QAbstractSocket::stateChanged, this,
            [this](QAbstractSocket::SocketState s) {
                if (s == QAbstractSocket::HostLookupState)
                    client_socketLookup();
            });
    connect(client_socket, &QAbstractSocket::hostFound, this,
            [this] { client_socketConnecting(); });
    connect(client_socket, &QAbstractSocket::connected, this, [this] { client_socketConnect(); });
}

void Tform_nastaveni::zrus_sit()
{
    // The window is going away: close everything without raising events into it.
    if (server_socket) {
        zavri_server();
        server_socket->disconnect(this);
        delete server_socket;
        server_socket = nullptr;
    }
    if (client_socket) {
        client_socket->disconnect(this);
        client_socket->abort();
        delete client_socket;
        client_socket = nullptr;
    }
    klient_aktivni_ = false;
}

void Tform_nastaveni::zavri_klienta()
{
    if (!klient_aktivni_)
        return;
    klient_aktivni_ = false;
    client_socket->abort();
    client_socketDisconnect();
}

void Tform_nastaveni::zavri_server()
{
    if (!server_socket)
        return;
    server_socket->close();
    const auto spojeni = server_socket->findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly);
    for (QTcpSocket* klient : spojeni) {
        klient->disconnect(this);
        klient->abort();
        klient->deleteLater();
    }
}

void Tform_nastaveni::prijmi_spojeni()
{
    while (server_socket->hasPendingConnections()) {
        server_socketGetSocket();
        QTcpSocket* klient = server_socket->nextPendingConnection();
        if (!klient)
            break;
        connect(klient, &QIODevice::readyRead, this, [this, klient] {
            if (!klient->property(cteni_ohlaseno).toBool()) {
                klient->setProperty(cteni_ohlaseno, true);
                server_socketClientRead(klient);
            }
            // Nothing is read, yet Qt would keep every byte a peer sends: throw them away
            // so a flooding peer costs no memory and still gets its disconnect noticed.
            klient->skip(klient->bytesAvailable());
        });
        connect(klient, &QIODevice::bytesWritten, this,
                [this, klient] { server_socketClientWrite(klient); });
        connect(klient, &QAbstractSocket::errorOccurred, this,
                [this, klient](QAbstractSocket::SocketError chyba) {
                    // The peer closing its end is its disconnect, not an error.
                    if (chyba != QAbstractSocket::RemoteHostClosedError)
                        server_socketClientError(klient);
                });
        connect(klient, &QAbstractSocket::disconnected, this, [this, klient] {
            server_socketClientDisconnect(klient);
            klient->deleteLater();
        });
        server_socketAccept();
        server_socketClientConnect(klient);
    }
}

void Tform_nastaveni::deaktivuj_sockety()
{
    zavri_server();
    zavri_klienta();
}

void Tform_nastaveni::btn_serverClick()
{
    if (!server_socket->isListening()) {
        if (!server_socket->listen(QHostAddress::AnyIPv4, sit::port)) {
            chybove_hlaseni(this, QString::fromLatin1(server_uz_bezi));
            return;
        }
        server_socketListen();
    }
    stav(*this, QStringLiteral("Cekani na spoluhrace..."));
}

void Tform_nastaveni::btn_klientClick()
{
    // An active client keeps its connection; its button is locked while it lasts.
    if (klient_aktivni_)
        return;
    stav(*this, QStringLiteral("Pripojovani ke hre pres internet..."));
    klient_aktivni_ = true;
    client_socket->connectToHost(edt_adresa->text(), sit::port, QIODevice::ReadWrite,
                                 QAbstractSocket::IPv4Protocol);
    if (client_socket->state() == QAbstractSocket::ConnectedState ||
        client_socket->waitForConnected(sit::limit_pripojeni_ms))
        return;
    zavri_klienta();
    chybove_hlaseni(this, QString::fromLatin1(spojeni_selhalo));
}

// Every handler below does nothing while the settings window is hidden, except closing
// its socket where that is always done.

void Tform_nastaveni::client_socketLookup()
{
    if (ohlas(*this, QStringLiteral(" Client Socket - Lookup")))
        zamkni_role(*this);
}

void Tform_nastaveni::client_socketConnecting()
{
    ohlas(*this, QStringLiteral(" Client Socket - Connecting"));
}

void Tform_nastaveni::client_socketConnect()
{
    if (!ohlas(*this, QStringLiteral(" Client Socket - Connect")))
        return;
    zapis_spojeni(*this, *client_socket);
    stav(*this, QStringLiteral("Spojeni se serverem bylo uspesne!"));
}

void Tform_nastaveni::client_socketDisconnect()
{
    klient_aktivni_ = false;
    client_socket->abort();
    ohlas_preruseni(*this, QStringLiteral(" Client Socket - Disconnect"));
}

void Tform_nastaveni::client_socketError()
{
    const QString chyba = client_socket->errorString();
    klient_aktivni_ = false;
    client_socket->abort();
    ohlas_preruseni(*this, QStringLiteral(" Client Socket - Error"));
    // The error stays an error after the handler: it is reported like any other.
    ukaz_vyjimku(chyba);
}

void Tform_nastaveni::client_socketRead()
{
    ohlas(*this, QStringLiteral(" Client Socket - Read"));
}

void Tform_nastaveni::client_socketWrite()
{
    ohlas(*this, QStringLiteral(" Client Socket - Write"));
}

void Tform_nastaveni::server_socketListen()
{
    if (ohlas(*this, QStringLiteral(" Server Socket - Listen")))
        zamkni_role(*this);
}

void Tform_nastaveni::server_socketAccept()
{
    if (ohlas(*this, QStringLiteral(" Server Socket - Accept")))
        stav(*this, QStringLiteral("Spojeni s klientem bylo uspesne!"));
}

void Tform_nastaveni::server_socketClientConnect(QTcpSocket* klient)
{
    if (ohlas(*this, QStringLiteral(" Server Socket - Client Connect")))
        zapis_spojeni(*this, *klient);
}

void Tform_nastaveni::server_socketClientDisconnect(QTcpSocket*)
{
    if (!ohlas(*this, QStringLiteral(" Server Socket - Client Disconnect")))
        return;
    btn_ok->setEnabled(false);
    stav(*this, QStringLiteral("Klient se odpojil! Cekani na pripojeni..."));
}

void Tform_nastaveni::server_socketClientError(QTcpSocket* klient)
{
    const QString chyba = klient ? klient->errorString() : QString();
    zavri_server();
    ohlas_preruseni(*this, QStringLiteral(" Server Socket - Client Error"));
    ukaz_vyjimku(chyba);
}

void Tform_nastaveni::server_socketClientRead(QTcpSocket*)
{
    ohlas(*this, QStringLiteral(" Server Socket - Client Read"));
}

void Tform_nastaveni::server_socketClientWrite(QTcpSocket*)
{
    ohlas(*this, QStringLiteral(" Server Socket - Client Write"));
}

void Tform_nastaveni::server_socketGetSocket()
{
    // No socket object of our own: the connection is Qt's plain QTcpSocket.
    ohlas(*this, QStringLiteral(" Server Socket - GetSocket"));
}

// The thread events belong to a thread-per-client server, which this one is not.

void Tform_nastaveni::server_socketGetThread()
{
    ohlas(*this, QStringLiteral(" Server Socket - GetThread"));
}

void Tform_nastaveni::server_socketThreadStart()
{
    ohlas(*this, QStringLiteral(" Server Socket - Thread Start"));
}

void Tform_nastaveni::server_socketThreadEnd()
{
    ohlas(*this, QStringLiteral(" Server Socket - Thread End"));
}
