#pragma once
// The settings window, created once; the settings live only in its controls.
#include "game/game_settings.h"
#include "settings/color_picker.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

class QTcpSocket;
class SitoveSpojeni;

class Tform_nastaveni : public QDialog {
    Q_OBJECT
public:
    explicit Tform_nastaveni(QWidget* parent = nullptr);
    ~Tform_nastaveni() override;

    // What a game starting now takes from these controls.
    GameSettings nastaveni() const;

    QGroupBox* grp_typhry;
    QRadioButton* rdb_clovek_pocitac;
    QRadioButton* rdb_clovek_clovek;
    QRadioButton* rdb_internet;

    QGroupBox* grp_obtiznost;
    QRadioButton* rdb_trenink;
    QRadioButton* rdb_zacatecnik;
    QRadioButton* rdb_pokrocily;
    QRadioButton* rdb_profesional;
    QRadioButton* rdb_expert;

    QGroupBox* grp_jmena;
    QLabel* lbl_hrac1;
    QLabel* lbl_hrac2;
    QLineEdit* edt_jmeno1;
    QLineEdit* edt_jmeno2;
    ColorPicker* clb_hrac1;
    ColorPicker* clb_hrac2;

    QGroupBox* grp_internet;
    QRadioButton* rdb_server;
    QPushButton* btn_server;
    QRadioButton* rdb_klient;
    QPushButton* btn_klient;
    QLabel* lbl_adresa;
    QLineEdit* edt_adresa;

    QGroupBox* grp_informace;
    QLabel* lbl_informace;
    QGroupBox* grp_info_internet;
    QLabel* lbl_info_internet;

    QPushButton* btn_ok;
    QPlainTextEdit* mmb_internet;

    QGroupBox* grp_moznosti;
    QCheckBox* chk_zvuk;
    QCheckBox* CheckBox1;
    QGroupBox* grp_rychlost;
    QLabel* lbl_pomala;
    QScrollBar* scr_rychlost;
    QLabel* lbl_rychla;

    // The network link with its two sockets (reached only when rdb_internet is enabled).
    SitoveSpojeni* const sitove_spojeni;

    // --- handlers of the window
    void rdb_clovek_pocitacClick();
    void rdb_clovek_clovekClick();
    void rdb_internetClick();
    void rdb_serverClick();
    void rdb_klientClick();
    void edt_jmeno1Exit();
    void edt_jmeno2Exit();
    void btn_okClick();
    void CheckBox1Click();
    void btn_serverClick();
    void btn_klientClick();

    // --- socket events. The client connects synchronously and is told nothing once
    // connected, so it has no read, write or error event; the server serves every
    // connection on this thread, so it has no thread events.
    void client_socketLookup();
    void client_socketConnecting();
    void client_socketConnect();
    void client_socketDisconnect();
    void server_socketListen();
    void server_socketAccept();
    void server_socketClientConnect(QTcpSocket* klient);
    void server_socketClientDisconnect(QTcpSocket* klient);
    void server_socketClientError(QTcpSocket* klient);
    void server_socketClientRead(QTcpSocket* klient);
    void server_socketClientWrite(QTcpSocket* klient);
    void server_socketGetSocket();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab into a group of radio buttons lands on the checked one, and Tab out of it
    // leaves the group, as on every desktop; arrows move within it.
    bool focusNextPrevChild(bool next) override;

private:
    void zaloz_sit();           // connects the network link's events to their handlers
    void zrus_sit();
    // The name check of one field against the other, shared by both fields.
    void zkontroluj_jmeno(QLineEdit* pole, QLineEdit* druhe);
    // A game on this computer, against the computer or of two players.
    void mistni_hra(bool proti_pocitaci, const QString& informace);
    // The window's outer width; the frame is taken as 3 pixels on each side.
    void nastav_vnejsi_sirku(int sirka);
    bool kontrola_bezi_ = false;
    // Logs a socket event if the window is visible; an event that was not logged has no
    // other effect.
    bool ohlas(const QString& udalost);
    // The role controls as the network game type has them, the OK button disabled.
    void obnov_role();
    void zamkni_role();
    // The common end of a connection that was closed or failed.
    void ohlas_preruseni(const QString& udalost);
};

extern Tform_nastaveni* form_nastaveni;
