#include "settings/tarvana_nastaveni.h"

#include "game/exceptions.h"
#include "game/form_kit.h"
#include "game/game_state.h"
#include "game/hints.h"
#include "game/screen_reader.h"
#include "settings/network_link.h"

#include <QApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTcpSocket>
#include <QTextCursor>
#include <QTextDocument>
#include <initializer_list>

Tform_nastaveni* form_nastaveni = nullptr;

namespace {

constexpr int vyska_okna = 327;
constexpr int ramecek_okna = 3;
constexpr int sirka_bez_logu = 550;
constexpr int sirka_s_logem = 786;

// The OK glyph: a tick, green when the button can be pressed, grey when it cannot.
QPixmap fajfka(const QColor& barva)
{
    QPixmap p(18, 18);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath tah;
    tah.moveTo(3, 9.5);
    tah.lineTo(7.5, 14);
    tah.lineTo(15, 4);
    g.setPen(QPen(barva.darker(160), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawPath(tah);
    g.setPen(QPen(barva, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawPath(tah);
    return p;
}

QIcon glyf_ok()
{
    QIcon ikona;
    ikona.addPixmap(fajfka(QColor(0, 160, 0)), QIcon::Normal);
    ikona.addPixmap(fajfka(QColor(150, 150, 150)), QIcon::Disabled);
    return ikona;
}

void zprava(QWidget* parent, const QString& text, QMessageBox::Icon ikona = QMessageBox::NoIcon,
            const QString& titulek = QApplication::applicationName())
{
    QMessageBox box(ikona, titulek, text, QMessageBox::Ok, parent);
    box.exec();
}

// The network operations' failures.
void chybove_hlaseni(QWidget* parent, const char* text)
{
    zprava(parent, QString::fromLatin1(text), QMessageBox::Critical, QStringLiteral("Chyba"));
}

// The status line of the network link, shown at once.
void ukaz_stav(QLabel* stitek, const QString& text)
{
    stitek->setText(text);
    stitek->repaint();
}

void povol(std::initializer_list<QWidget*> prvky, bool ano)
{
    for (QWidget* w : prvky)
        w->setEnabled(ano);
}

} // namespace

namespace {

// The settings window that answers the game's questions: the newest one.
const Tform_nastaveni* odpovida = nullptr;

} // namespace

Tform_nastaveni::Tform_nastaveni(QWidget* parent)
    : QDialog(parent), sitove_spojeni(new SitoveSpojeni(this))
{
    odpovida = this;
    nastaveni_hry = [this] { return nastaveni(); };
    zvuk_v_nastaveni = [this] { return chk_zvuk->isChecked(); };
    nastav_okno(this, QStringLiteral("Tarvana - Nastaveni"), Qt::Dialog | Qt::CustomizeWindowHint);
    nastav_vnejsi_sirku(sirka_bez_logu);

    grp_typhry = skupina(this, 8, 8, 153, 113, QStringLiteral("Typ hry"));
    rdb_clovek_pocitac = prepinac(grp_typhry, 8, 24, QStringLiteral("Hrac proti pocitaci"));
    rdb_clovek_pocitac->setChecked(true);
    napoveda(rdb_clovek_pocitac,
             QStringLiteral("Zalozi hru uzivatel proti pocitaci - lze volit jeho obtiznost."));
    rdb_clovek_clovek = prepinac(grp_typhry, 8, 54, QStringLiteral("2 hraci proti sobe"));
    napoveda(rdb_clovek_clovek,
             QStringLiteral("Zalozeni hry dvou hracu proti sobe na jednom pocitaci."));
    rdb_internet = prepinac(grp_typhry, 8, 80, QStringLiteral("Hra pres internet"));
    rdb_internet->setEnabled(false);
    napoveda(rdb_internet, QStringLiteral("Zalozeni hry pro dva hrace pres internet."));

    grp_obtiznost = skupina(this, 168, 8, 113, 193, QStringLiteral("Obtiznost pocitace"));
    rdb_trenink = prepinac(grp_obtiznost, 8, 24, QStringLiteral("Trenink"));
    rdb_zacatecnik = prepinac(grp_obtiznost, 8, 56, QStringLiteral("Zacatecnik"));
    rdb_pokrocily = prepinac(grp_obtiznost, 8, 90, QStringLiteral("Pokrocily"));
    rdb_pokrocily->setChecked(true);
    rdb_profesional = prepinac(grp_obtiznost, 8, 126, QStringLiteral("Profesional"));
    rdb_expert = prepinac(grp_obtiznost, 8, 160, QStringLiteral("Expert"));

    grp_jmena = skupina(this, 288, 8, 249, 113, QStringLiteral("Nastaveni hracu"));
    // One row per player: number, name (at most 14 characters) and tank colour.
    const auto hrac = [this](int y, const QString& cislo, const QString& jmeno,
                             const QString& hint, Color barva, QLabel*& lbl, QLineEdit*& edt,
                             ColorPicker*& clb) {
        lbl = popisek(grp_jmena, 8, y, cislo);
        edt = pole(grp_jmena, 24, y + 16, 97, 21, jmeno);
        edt->setMaxLength(14);
        napoveda(edt, hint);
        // Above the field, "1." names nothing a screen reader could tell apart.
        const QString hrace = QStringLiteral(" hrace ") + cislo.chopped(1);
        edt->setAccessibleName(QStringLiteral("Jmeno") + hrace);
        clb = new ColorPicker(grp_jmena);
        clb->setAccessibleName(QStringLiteral("Barva tanku") + hrace);
        clb->setGeometry(128, y + 16, 113, 22);
        clb->select(barva);
        napoveda(clb, QStringLiteral("Nastaveni barvy tanku."));
        popis_vyberem(clb);
    };
    hrac(16, QStringLiteral("1."), QStringLiteral("Hrac 1"), QStringLiteral("Jmeno prvniho hrace."),
         clMaroon, lbl_hrac1, edt_jmeno1, clb_hrac1);
    hrac(56, QStringLiteral("2."), QStringLiteral("Hrac 2"), QStringLiteral("Jmeno druheho hrace."),
         clBlue, lbl_hrac2, edt_jmeno2, clb_hrac2);

    grp_internet = skupina(this, 8, 128, 153, 129, QStringLiteral("Nastaveni internetu"));
    rdb_server = new QRadioButton(grp_internet);
    rdb_server->setGeometry(8, 32, 17, 17);
    rdb_server->setChecked(true);
    btn_server = tlacitko(grp_internet, 32, 27, 105, 25, QStringLiteral("Zalozeni nove hry"));
    napoveda(btn_server, QStringLiteral("Zalozi hru pres internet a ceka na spoluhrace."));
    rdb_klient = new QRadioButton(grp_internet);
    rdb_klient->setGeometry(8, 64, 17, 17);
    btn_klient = tlacitko(grp_internet, 32, 59, 105, 25, QStringLiteral("Pripojit ke hre"));
    napoveda(btn_klient, QStringLiteral("Pripoji se k dane IP adrese, na ktere musi bezet Tarvana "
                                        "se spustenym serverem."));
    lbl_adresa = popisek(grp_internet, 16, 95, QStringLiteral("IP:"));
    edt_adresa = pole(grp_internet, 40, 92, 97, 21, QStringLiteral("localhost"));
    napoveda(edt_adresa, QStringLiteral("Adresa serveru, ke kteremu se chcete pripojit."));
    // The two radio buttons have no caption: each chooses the button beside it.
    rdb_server->setAccessibleName(btn_server->text());
    rdb_klient->setAccessibleName(btn_klient->text());
    edt_adresa->setAccessibleName(QStringLiteral("IP adresa"));
    povol({rdb_server, btn_server, rdb_klient, btn_klient, edt_adresa}, false);

    grp_informace = skupina(this, 296, 128, 241, 73, QStringLiteral("Informace o hre"));
    lbl_informace = popisek(grp_informace, 8, 18, 225, 42,
                            QStringLiteral("Vytvorena hra pro 1 hrace proti pocitaci."));
    lbl_informace->setWordWrap(true);
    napoveda(lbl_informace, QStringLiteral("Zobrazuje informace o aktualne zalozene hre."));

    grp_info_internet = skupina(this, 168, 208, 369, 49, QStringLiteral("Informace o internetu"));
    lbl_info_internet = popisek(grp_info_internet, 8, 18, 353, 25, QStringLiteral("Neni aktivni."));
    napoveda(lbl_info_internet,
             QStringLiteral("Zobrazuje zakladni informace o internetove komunikaci."));

    btn_ok = tlacitko(this, 472, 276, 65, 35, QStringLiteral("&OK"));
    btn_ok->setIcon(glyf_ok());
    btn_ok->setIconSize(QSize(18, 18));
    btn_ok->setDefault(true);
    napoveda(btn_ok, QStringLiteral("Ulozi nastaveni hry a vrati se do hlavniho menu."));

    // The log lies beyond the designed client area; it shows only with the network game.
    mmb_internet = new QPlainTextEdit(this);
    mmb_internet->setGeometry(544, 8, 225, 313);
    mmb_internet->setReadOnly(true);
    mmb_internet->setPlainText(QStringLiteral("Podrobnosti o internetove komunikaci..."));
    mmb_internet->setAccessibleName(QStringLiteral("Podrobnosti o internetove komunikaci"));
    napoveda(mmb_internet, QStringLiteral("Zobrazuje podrobne informace o internetove komunikaci."));

    grp_moznosti = skupina(this, 8, 264, 233, 57, QStringLiteral("Moznosti hry"));
    chk_zvuk = zaskrtavatko(grp_moznosti, 24, 24, QStringLiteral("Zvuk"));
    chk_zvuk->setChecked(true);
    napoveda(chk_zvuk, QStringLiteral("Vypina a zapina zvuk behem hry."));
    CheckBox1 = zaskrtavatko(grp_moznosti, 88, 24, QStringLiteral("Zobrazovat napovedu"));
    CheckBox1->setChecked(true);
    napoveda(CheckBox1,
             QStringLiteral("Vypina a zapina bublinkove napovedy u ovladacich prvku."));

    grp_rychlost = skupina(this, 248, 264, 217, 57, QStringLiteral("Rychlost hry"));
    lbl_pomala = popisek(grp_rychlost, 8, 26, QStringLiteral("Pomala"));
    scr_rychlost = posuvnik(grp_rychlost, 56, 24, 105, 17, 0, 6, 1);
    scr_rychlost->setValue(3);
    scr_rychlost->setFocusPolicy(Qt::StrongFocus);
    scr_rychlost->setAccessibleName(QStringLiteral("Rychlost hry"));
    napoveda(scr_rychlost, QStringLiteral("Zmeni rychlost letici strely."));
    lbl_rychla = popisek(grp_rychlost, 168, 26, QStringLiteral("Rychla"));

    // Group by group, as the window was laid out.
    const QWidget* const poradi[] = {
        rdb_clovek_pocitac, rdb_clovek_clovek, rdb_internet,
        rdb_server, btn_server, rdb_klient, btn_klient, edt_adresa,
        rdb_trenink, rdb_zacatecnik, rdb_pokrocily, rdb_profesional, rdb_expert,
        edt_jmeno1, clb_hrac1, edt_jmeno2, clb_hrac2,
        btn_ok, mmb_internet, chk_zvuk, CheckBox1, scr_rychlost};
    for (std::size_t i = 1; i < std::size(poradi); ++i)
        setTabOrder(const_cast<QWidget*>(poradi[i - 1]), const_cast<QWidget*>(poradi[i]));

    const auto pri_vyberu = [this](QRadioButton* r, void (Tform_nastaveni::*obsluha)()) {
        connect(r, &QRadioButton::toggled, this, [this, obsluha](bool zvoleno) {
            if (zvoleno)
                (this->*obsluha)();
        });
    };
    pri_vyberu(rdb_clovek_pocitac, &Tform_nastaveni::rdb_clovek_pocitacClick);
    pri_vyberu(rdb_clovek_clovek, &Tform_nastaveni::rdb_clovek_clovekClick);
    pri_vyberu(rdb_internet, &Tform_nastaveni::rdb_internetClick);
    pri_vyberu(rdb_server, &Tform_nastaveni::rdb_serverClick);
    pri_vyberu(rdb_klient, &Tform_nastaveni::rdb_klientClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &Tform_nastaveni::CheckBox1Click);
    connect(btn_ok, &QPushButton::clicked, this, &Tform_nastaveni::btn_okClick);
    connect(btn_server, &QPushButton::clicked, this, &Tform_nastaveni::btn_serverClick);
    connect(btn_klient, &QPushButton::clicked, this, &Tform_nastaveni::btn_klientClick);
    edt_jmeno1->installEventFilter(this);
    edt_jmeno2->installEventFilter(this);

    zaloz_sit();
    zpristupni(this);
}

Tform_nastaveni::~Tform_nastaveni()
{
    zrus_sit();
    if (odpovida == this) {
        odpovida = nullptr;
        nastaveni_hry = nullptr;
        zvuk_v_nastaveni = nullptr;
    }
}

namespace {

// The radio buttons that exclude one another with b: its auto-exclusive siblings.
bool ve_skupine(const QWidget* a, const QRadioButton* b)
{
    const auto* r = qobject_cast<const QRadioButton*>(a);
    return r && r != b && r->autoExclusive() && b->autoExclusive() &&
           r->parentWidget() == b->parentWidget();
}

QRadioButton* zaskrtnuty_vedle(QRadioButton* r)
{
    if (r->isChecked())
        return r;
    for (auto* s : r->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (ve_skupine(s, r) && s->isChecked())
            return s->isEnabled() && s->isVisible() ? s : nullptr;
    return nullptr;
}

} // namespace

bool Tform_nastaveni::focusNextPrevChild(bool next)
{
    QWidget* odkud = focusWidget();
    const bool posun = QDialog::focusNextPrevChild(next);
    // Past the rest of the group being left; as many steps as there are controls at most.
    const int kroku = static_cast<int>(findChildren<QWidget*>().size());
    for (int i = 0; posun && i < kroku; ++i) {
        auto* r = qobject_cast<QRadioButton*>(focusWidget());
        if (!r || !r->autoExclusive() || r == odkud)
            break;
        if (odkud && (odkud == r || ve_skupine(odkud, r))) {
            QDialog::focusNextPrevChild(next);
            continue;
        }
        if (QRadioButton* z = zaskrtnuty_vedle(r); z && z != r)
            z->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        break;
    }
    return posun;
}

GameSettings Tform_nastaveni::nastaveni() const
{
    GameSettings n;
    n.zvuk = chk_zvuk->isChecked();
    const int rychlost = scr_rychlost->value();
    if (rychlost >= 0 && rychlost < static_cast<int>(tabulka_zpozdeni.size()))
        n.zpozdeni = tabulka_zpozdeni[static_cast<std::size_t>(rychlost)];
    n.barva[0] = clb_hrac1->selected();
    n.barva[1] = clb_hrac2->selected();

    // Each checked button overrides the one before it, as the game has always read them.
    if (rdb_clovek_clovek->isChecked())
        n.typ_hry = dva_hraci;
    if (rdb_clovek_pocitac->isChecked()) {
        n.typ_hry = proti_pocitaci;
        const std::pair<const QRadioButton*, Difficulty> urovne[] = {
            {rdb_trenink, trenink},         {rdb_zacatecnik, zacatecnik},
            {rdb_pokrocily, pokrocily},     {rdb_profesional, profesional},
            {rdb_expert, expert},
        };
        for (const auto& [tlacitko, uroven] : urovne)
            if (tlacitko->isChecked())
                n.obtiznost = uroven;
    }
    if (rdb_internet->isChecked()) {
        if (rdb_server->isChecked())
            n.typ_hry = sit_server;
        if (rdb_klient->isChecked())
            n.typ_hry = sit_klient;
    }

    n.jmeno[0] = edt_jmeno1->text().toStdString();
    n.jmeno[1] = edt_jmeno2->text().toStdString();
    return n;
}

void Tform_nastaveni::nastav_vnejsi_sirku(int sirka)
{
    setFixedSize(sirka - 2 * ramecek_okna, vyska_okna);
}

void Tform_nastaveni::mistni_hra(bool proti_pocitaci, const QString& informace)
{
    nastav_vnejsi_sirku(sirka_bez_logu);
    sitove_spojeni->zavri_server();
    sitove_spojeni->zavri_klienta();
    povol({rdb_trenink, rdb_zacatecnik, rdb_pokrocily, rdb_profesional, rdb_expert},
          proti_pocitaci);
    povol({edt_jmeno1, edt_jmeno2}, true);
    povol({rdb_server, rdb_klient, btn_server, btn_klient, edt_adresa}, false);
    lbl_informace->setText(informace);
    ukaz_stav(lbl_info_internet, QStringLiteral("Neni aktivni."));
    btn_ok->setEnabled(true);
}

void Tform_nastaveni::rdb_clovek_pocitacClick()
{
    mistni_hra(true, QStringLiteral("Vytvorena hra pro 1 hrace proti pocitaci."));
}

void Tform_nastaveni::rdb_clovek_clovekClick()
{
    mistni_hra(false, QStringLiteral("Vytvorena hra pro 2 hrace na tomto pocitaci."));
}

void Tform_nastaveni::rdb_internetClick()
{
    nastav_vnejsi_sirku(sirka_s_logem);
    povol({rdb_trenink, rdb_zacatecnik, rdb_pokrocily, rdb_profesional, rdb_expert}, false);
    obnov_role();
    lbl_informace->setText(QStringLiteral("Vytvareni hry pro 2 hrace pres internet..."));
    ukaz_stav(lbl_info_internet, QStringLiteral("Zvolte typ pripojeni pres internet."));
}

// This computer hosts the game; its user is player 1.
void Tform_nastaveni::rdb_serverClick()
{
    btn_server->setEnabled(true);
    povol({btn_klient, edt_adresa}, false);
    edt_jmeno1->setEnabled(true);
    edt_jmeno2->setEnabled(false);
}

// This computer joins a game; its user is player 2.
void Tform_nastaveni::rdb_klientClick()
{
    btn_server->setEnabled(false);
    povol({btn_klient, edt_adresa}, true);
    edt_jmeno1->setEnabled(false);
    edt_jmeno2->setEnabled(true);
}

void Tform_nastaveni::edt_jmeno1Exit() { zkontroluj_jmeno(edt_jmeno1, edt_jmeno2); }
void Tform_nastaveni::edt_jmeno2Exit() { zkontroluj_jmeno(edt_jmeno2, edt_jmeno1); }

// Both fields are checked on entering and on leaving. When the focus moves straight from
// one field into the other, the field being left is checked first; if its check pulls
// the focus back, the other field never really got it, and the focus changes made by
// the check itself (the message box, the focus put back) check nothing. So one move of
// the focus shows each message at most once instead of the two fields taking the focus
// from each other for ever.
void Tform_nastaveni::zkontroluj_jmeno(QLineEdit* pole, QLineEdit* druhe)
{
    if (kontrola_bezi_)
        return;
    kontrola_bezi_ = true;
    if (pole->text().isEmpty()) {
        zprava(this, QStringLiteral("Jmeno nesmi byt prazdne!"));
        pole->setFocus();
    }
    if (pole->text() == druhe->text()) {
        zprava(this, QStringLiteral("Jmena nesmi byt stejna!"));
        pole->setFocus();
    }
    kontrola_bezi_ = false;
}

void Tform_nastaveni::btn_okClick() { close(); }

void Tform_nastaveni::CheckBox1Click() { zapni_napovedy(CheckBox1->isChecked()); }

bool Tform_nastaveni::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == edt_jmeno1 || watched == edt_jmeno2) &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // Only moves of the focus inside this window count: another window coming to
        // the front (such as the check's own message box) is no entering or leaving.
        const Qt::FocusReason duvod = static_cast<QFocusEvent*>(event)->reason();
        if (duvod != Qt::ActiveWindowFocusReason && duvod != Qt::PopupFocusReason) {
            if (watched == edt_jmeno1)
                edt_jmeno1Exit();
            else
                edt_jmeno2Exit();
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- the network link

void Tform_nastaveni::zaloz_sit()
{
    // A log that only grows needs no undo history beside it.
    mmb_internet->document()->setUndoRedoEnabled(false);
    connect(sitove_spojeni, &SitoveSpojeni::radek, this, [this](const QString& text) {
        QTextCursor kurzor(mmb_internet->document());
        kurzor.movePosition(QTextCursor::Start);
        kurzor.insertText(text + QLatin1Char('\n'));
    });
    const auto udalost = [this](auto signal, auto obsluha) {
        connect(sitove_spojeni, signal, this, obsluha);
    };
    udalost(&SitoveSpojeni::client_lookup, &Tform_nastaveni::client_socketLookup);
    udalost(&SitoveSpojeni::client_connecting, &Tform_nastaveni::client_socketConnecting);
    udalost(&SitoveSpojeni::client_connect, &Tform_nastaveni::client_socketConnect);
    udalost(&SitoveSpojeni::client_disconnect, &Tform_nastaveni::client_socketDisconnect);
    udalost(&SitoveSpojeni::server_listen, &Tform_nastaveni::server_socketListen);
    udalost(&SitoveSpojeni::server_get_socket, &Tform_nastaveni::server_socketGetSocket);
    udalost(&SitoveSpojeni::server_accept, &Tform_nastaveni::server_socketAccept);
    udalost(&SitoveSpojeni::server_client_connect, &Tform_nastaveni::server_socketClientConnect);
    udalost(&SitoveSpojeni::server_client_disconnect,
            &Tform_nastaveni::server_socketClientDisconnect);
    udalost(&SitoveSpojeni::server_client_error, &Tform_nastaveni::server_socketClientError);
    udalost(&SitoveSpojeni::server_client_read, &Tform_nastaveni::server_socketClientRead);
    udalost(&SitoveSpojeni::server_client_write, &Tform_nastaveni::server_socketClientWrite);
}

void Tform_nastaveni::zrus_sit()
{
    // The window is going away: the link closes its sockets without a word to it.
    sitove_spojeni->disconnect(this);
    delete sitove_spojeni;
}

namespace {
constexpr char server_uz_bezi[] = "Chyba: Jeden server je jiz na tomto pocitaci aktivni!";
constexpr char spojeni_selhalo[] = "Chyba: Spojeni se serverem bylo neuspesne!";
}  // namespace

void Tform_nastaveni::btn_serverClick()
{
    if (!sitove_spojeni->spust_server()) {
        chybove_hlaseni(this, server_uz_bezi);
        return;
    }
    ukaz_stav(lbl_info_internet, QStringLiteral("Cekani na spoluhrace..."));
}

void Tform_nastaveni::btn_klientClick()
{
    // An active client keeps its connection; its button is locked while it lasts.
    if (sitove_spojeni->klient_aktivni())
        return;
    ukaz_stav(lbl_info_internet, QStringLiteral("Pripojovani ke hre pres internet..."));
    if (!sitove_spojeni->pripoj(edt_adresa->text()))
        chybove_hlaseni(this, spojeni_selhalo);
}

bool Tform_nastaveni::ohlas(const QString& udalost)
{
    if (!isVisible())
        return false;
    sitove_spojeni->zapis(udalost);
    return true;
}

void Tform_nastaveni::zamkni_role()
{
    povol({btn_server, btn_klient, edt_adresa, rdb_server, rdb_klient}, false);
}

void Tform_nastaveni::obnov_role()
{
    btn_ok->setEnabled(false);
    povol({rdb_server, rdb_klient}, true);
    if (rdb_server->isChecked()) {
        btn_server->setEnabled(true);
        povol({edt_adresa, edt_jmeno2}, false);
    }
    if (rdb_klient->isChecked()) {
        povol({btn_klient, edt_adresa}, true);
        edt_jmeno1->setEnabled(false);
    }
}

void Tform_nastaveni::ohlas_preruseni(const QString& udalost)
{
    if (!ohlas(udalost))
        return;
    obnov_role();
    ukaz_stav(lbl_info_internet, QStringLiteral("Spojeni preruseno!"));
}

// Every handler below does nothing while the settings window is hidden, except closing
// its socket where that is always done.

void Tform_nastaveni::client_socketLookup()
{
    if (ohlas(QStringLiteral(" Client Socket - Lookup")))
        zamkni_role();
}

void Tform_nastaveni::client_socketConnecting()
{
    ohlas(QStringLiteral(" Client Socket - Connecting"));
}

void Tform_nastaveni::client_socketConnect()
{
    if (!ohlas(QStringLiteral(" Client Socket - Connect")))
        return;
    sitove_spojeni->zapis_spojeni(*sitove_spojeni->client_socket);
    ukaz_stav(lbl_info_internet, QStringLiteral("Spojeni se serverem bylo uspesne!"));
}

void Tform_nastaveni::client_socketDisconnect()
{
    sitove_spojeni->odpoj_klienta();
    ohlas_preruseni(QStringLiteral(" Client Socket - Disconnect"));
}

void Tform_nastaveni::server_socketListen()
{
    if (ohlas(QStringLiteral(" Server Socket - Listen")))
        zamkni_role();
}

void Tform_nastaveni::server_socketAccept()
{
    if (ohlas(QStringLiteral(" Server Socket - Accept")))
        ukaz_stav(lbl_info_internet, QStringLiteral("Spojeni s klientem bylo uspesne!"));
}

void Tform_nastaveni::server_socketClientConnect(QTcpSocket* klient)
{
    if (ohlas(QStringLiteral(" Server Socket - Client Connect")))
        sitove_spojeni->zapis_spojeni(*klient);
}

void Tform_nastaveni::server_socketClientDisconnect(QTcpSocket*)
{
    if (!ohlas(QStringLiteral(" Server Socket - Client Disconnect")))
        return;
    btn_ok->setEnabled(false);
    ukaz_stav(lbl_info_internet, QStringLiteral("Klient se odpojil! Cekani na pripojeni..."));
}

void Tform_nastaveni::server_socketClientError(QTcpSocket* klient)
{
    const QString chyba = klient ? klient->errorString() : QString();
    sitove_spojeni->zavri_server();
    ohlas_preruseni(QStringLiteral(" Server Socket - Client Error"));
    // The error stays an error after the handler: it is reported like any other.
    ukaz_vyjimku(chyba);
}

void Tform_nastaveni::server_socketClientRead(QTcpSocket*)
{
    ohlas(QStringLiteral(" Server Socket - Client Read"));
}

void Tform_nastaveni::server_socketClientWrite(QTcpSocket*)
{
    ohlas(QStringLiteral(" Server Socket - Client Write"));
}

void Tform_nastaveni::server_socketGetSocket()
{
    // No socket object of our own: the connection is Qt's plain QTcpSocket.
    ohlas(QStringLiteral(" Server Socket - GetSocket"));
}
