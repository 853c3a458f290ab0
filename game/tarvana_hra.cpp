#include "game/tarvana_hra.h"

#include "battlefield/drawing.h"
#include "game/form_kit.h"
#include "game/game_settings.h"
#include "game/hints.h"
#include "game/platform.h"
#include "game/screen_reader.h"
#include "game/sky_picture.h"
#include "game/turns.h"
#include "shop/tarvana_obchod.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <functional>
#include <utility>

Tform_hra* form_hra = nullptr;

namespace {

Gauge* gauge(QWidget* parent, int x, int y, int w, int h, int max, const char* color)
{
    auto* g = new Gauge(parent);
    hodnota_z_celku(g);
    g->setRange(0, max);
    g->setTextVisible(false);
    g->setGeometry(x, y, w, h);
    g->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid #808080; background: white; }"
                                    "QProgressBar::chunk { background: %1; }")
                         .arg(QLatin1String(color)));
    return g;
}

} // namespace

// One panel per player: the right one is the left one moved 456 pixels to the right.
struct PanelHrace {
    QLabel *lbl_energie, *lbl_nadrz, *lbl_uhel_napis, *lbl_uhel, *lbl_zbran, *lbl_sila_napis,
        *lbl_sila, *lbl_naboje, *lbl_naboje_zakladni, *lbl_naboje_stredni, *lbl_naboje_velka,
        *lbl_naboje_mini, *lbl_naboje_mega, *lbl_napis_penize, *lbl_penize, *lbl_napis_jmeno,
        *lbl_jmeno;
    Gauge *cgg_energie, *cgg_nadrz;
    QScrollBar *scr_uhel, *scr_sila;
    QComboBox* cmb_zbran;
    QFrame *bvl_naboje, *bvl_penize, *bvl_jmeno;
};

static PanelHrace postav_panel(QWidget* f, int p)
{
    const int dx = p == 0 ? 0 : 456;
    const QString kdo = p == 0 ? QStringLiteral("prvniho") : QStringLiteral("druheho");
    PanelHrace c{};
    c.bvl_naboje = bevel(f, 8 + dx, 505, 81, 25, QFrame::Sunken);
    c.bvl_penize = bevel(f, 88 + dx, 505, 105, 25, QFrame::Sunken);
    c.bvl_jmeno = bevel(f, 192 + dx, 505, 129, 25, QFrame::Sunken);

    c.lbl_energie = radek(f, 8 + dx, 432, QStringLiteral("Energie:"));
    c.cgg_energie = gauge(f, 56 + dx, 432, 265, 17, 200, "#ff0000");
    napoveda(c.cgg_energie, QStringLiteral("Ukazatel energie - cim vice cervene, tim vice ma hrac energie."));
    c.lbl_nadrz = radek(f, 8 + dx, 458, QStringLiteral("Nafta:"));
    c.cgg_nadrz = gauge(f, 56 + dx, 456, 105, 17, 100, "#008080");
    napoveda(c.cgg_nadrz, QStringLiteral("Ukazatel stavu nadrze - cim vice zelenomodre, tim vice ma hrac nafty."));
    c.lbl_uhel_napis = radek(f, 168 + dx, 456, QStringLiteral("Uhel:"));
    c.lbl_uhel = radek(f, 200 + dx, 456, QStringLiteral("45"));
    if (p == 0) {
        // Player 1's angle is 90 less the position: it grows as the slider moves left.
        c.scr_uhel = posuvnik(f, 232 + dx, 456, 89, 17, 0, 85, 5, Roste::doleva);
        // It runs against its angle: what it reports is the angle, as its label.
        hodnota_zrcadlem(c.scr_uhel, 90);
        napoveda(c.scr_uhel, QStringLiteral("Zmeni velikost uhlu, pod kterym bude strela vypalena."));
    } else {
        c.scr_uhel = posuvnik(f, 232 + dx, 456, 89, 17, 5, 90, 5);
        napoveda(c.scr_uhel, QStringLiteral("Zmeni velikost uhlu, pod kterym bude strela vypalena"));
    }
    c.scr_uhel->setValue(45);
    c.lbl_zbran = radek(f, 8 + dx, 484, QStringLiteral("Zbran:"));
    c.cmb_zbran = new QComboBox(f);
    for (const char* n : nazvy_zbrani)
        c.cmb_zbran->addItem(QString::fromLatin1(n));
    c.cmb_zbran->setCurrentIndex(0);
    c.cmb_zbran->setGeometry(56 + dx, 480, 105, 21);
    c.cmb_zbran->setEnabled(false);
    napoveda(c.cmb_zbran, QStringLiteral("Zmeni typ vypalene strely. Zbrane NUKE jsou nejucinejsi, ale nemaji tak velky polomer vybuchu jako velka strela."));
    c.lbl_sila_napis = radek(f, 168 + dx, 480, QStringLiteral("Sila:"));
    c.lbl_sila = radek(f, 200 + dx, 480, QStringLiteral("70"));
    c.scr_sila = posuvnik(f, 232 + dx, 480, 89, 17, 10, 200, 5);
    c.scr_sila->setValue(70);
    napoveda(c.scr_sila, QStringLiteral("Zmeni velikost sily - cim vetsi sila, tim dal strela doleti."));

    c.lbl_naboje = radek(f, 16 + dx, 510, QStringLiteral("Naboje:"));
    const QString hint_naboje = QStringLiteral("Pocet naboju pro vybranou zbran.");
    c.lbl_naboje_zakladni = radek(f, 56 + dx, 510, 25, QStringLiteral("-"), Qt::AlignCenter);
    napoveda(c.lbl_naboje_zakladni, hint_naboje);
    QLabel** pocty[] = {&c.lbl_naboje_stredni, &c.lbl_naboje_velka, &c.lbl_naboje_mini,
                        &c.lbl_naboje_mega};
    for (QLabel** l : pocty) {
        *l = radek(f, 56 + dx, 510, 25, QStringLiteral("0"), Qt::AlignCenter);
        napoveda(*l, hint_naboje);
        (*l)->hide();
    }
    c.lbl_napis_penize = radek(f, 96 + dx, 510, QStringLiteral("Penize:"));
    c.lbl_penize = radek(f, 136 + dx, 510, 49, QStringLiteral("0"), Qt::AlignCenter);
    napoveda(c.lbl_penize, QStringLiteral("Stav penez %1 hrace.").arg(kdo));
    c.lbl_napis_jmeno = radek(f, 200 + dx, 510, QStringLiteral("Jmeno:"));
    c.lbl_jmeno = radek(f, 240 + dx, 510, 73,
                        p == 0 ? QStringLiteral("Hrac 1") : QStringLiteral("Hrac 2"),
                        Qt::AlignCenter);
    napoveda(c.lbl_jmeno, QStringLiteral("Jmeno %1 hrace.").arg(kdo));

    // The panels are twins: only the player's number tells a screen reader which is which.
    const QString hrace = QStringLiteral(" hrace %1").arg(p + 1);
    c.cgg_energie->setAccessibleName(QStringLiteral("Energie") + hrace);
    c.cgg_nadrz->setAccessibleName(QStringLiteral("Nafta") + hrace);
    c.scr_uhel->setAccessibleName(QStringLiteral("Uhel") + hrace);
    c.scr_sila->setAccessibleName(QStringLiteral("Sila") + hrace);
    c.cmb_zbran->setAccessibleName(QStringLiteral("Zbran") + hrace);
    // Qt names it by the chosen weapon; not labelled by "Zbran:", which would hide the
    // player, its description tells whose box it is.
    popis_vyberem(c.cmb_zbran);
    // A named label would be announced by that name instead of its number: the number
    // stays its name, the description says what it counts.
    c.lbl_uhel->setAccessibleDescription(QStringLiteral("Uhel") + hrace);
    c.lbl_sila->setAccessibleDescription(QStringLiteral("Sila") + hrace);
    return c;
}

Tform_hra::Tform_hra(QWidget* parent) : QDialog(parent)
{
    posledni_bojiste = this;
    nastav_okno(this, QStringLiteral("Tarvana - Mervoss"),
                Qt::Dialog | Qt::WindowMinimizeButtonHint);
    setFixedSize(784, 535);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(pal);

    img_krajina = new LandscapeImage(this);
    img_krajina->move(-1, 0);
    // It holds the focus while a shot runs.
    img_krajina->setAccessibleName(QStringLiteral("Bojiste"));
    lbl_infotext = new QLabel(this);
    lbl_infotext->setGeometry(5, 0, 308, 13);
    lbl_infotext->setAttribute(Qt::WA_TranslucentBackground);

    bvl_levy = bevel(this, 0, 424, 326, 113, QFrame::Raised);
    bvl_uprostred = bevel(this, 327, 424, 132, 113, QFrame::Raised);
    bvl_pravy = bevel(this, 459, 424, 325, 113, QFrame::Raised);

    const PanelHrace l = postav_panel(this, 0);
    const PanelHrace r = postav_panel(this, 1);
    lbl_energie1 = l.lbl_energie; cgg_energie1 = l.cgg_energie; lbl_nadrz1 = l.lbl_nadrz;
    cgg_nadrz1 = l.cgg_nadrz; lbl_uhel1_napis = l.lbl_uhel_napis; lbl_uhel1 = l.lbl_uhel;
    scr_uhel1 = l.scr_uhel; lbl_zbran1 = l.lbl_zbran; cmb_zbran1 = l.cmb_zbran;
    lbl_sila1_napis = l.lbl_sila_napis; lbl_sila1 = l.lbl_sila; scr_sila1 = l.scr_sila;
    bvl_naboje1 = l.bvl_naboje; lbl_naboje1 = l.lbl_naboje;
    lbl_naboje_zakladni1 = l.lbl_naboje_zakladni; lbl_naboje_stredni1 = l.lbl_naboje_stredni;
    lbl_naboje_velka1 = l.lbl_naboje_velka; lbl_naboje_mini1 = l.lbl_naboje_mini;
    lbl_naboje_mega1 = l.lbl_naboje_mega; bvl_penize1 = l.bvl_penize;
    lbl_napis_penize1 = l.lbl_napis_penize; lbl_penize1 = l.lbl_penize; bvl_jmeno1 = l.bvl_jmeno;
    lbl_napis_jmeno1 = l.lbl_napis_jmeno; lbl_jmeno1 = l.lbl_jmeno;
    lbl_energie2 = r.lbl_energie; cgg_energie2 = r.cgg_energie; lbl_nadrz2 = r.lbl_nadrz;
    cgg_nadrz2 = r.cgg_nadrz; lbl_uhel2_napis = r.lbl_uhel_napis; lbl_uhel2 = r.lbl_uhel;
    scr_uhel2 = r.scr_uhel; lbl_zbran2 = r.lbl_zbran; cmb_zbran2 = r.cmb_zbran;
    lbl_sila2_napis = r.lbl_sila_napis; lbl_sila2 = r.lbl_sila; scr_sila2 = r.scr_sila;
    bvl_naboje2 = r.bvl_naboje; lbl_naboje2 = r.lbl_naboje;
    lbl_naboje_zakladni2 = r.lbl_naboje_zakladni; lbl_naboje_stredni2 = r.lbl_naboje_stredni;
    lbl_naboje_velka2 = r.lbl_naboje_velka; lbl_naboje_mini2 = r.lbl_naboje_mini;
    lbl_naboje_mega2 = r.lbl_naboje_mega; bvl_penize2 = r.bvl_penize;
    lbl_napis_penize2 = r.lbl_napis_penize; lbl_penize2 = r.lbl_penize; bvl_jmeno2 = r.bvl_jmeno;
    lbl_napis_jmeno2 = r.lbl_napis_jmeno; lbl_jmeno2 = r.lbl_jmeno;

    btn_pal = tlacitko(this, 336, 432, 49, 25, QStringLiteral("&PAL"));
    btn_pal->setDefault(true);
    napoveda(btn_pal, QStringLiteral("Vystreli vybranou strelu pod nastavenym uhlem a silou."));
    // The one default button: Enter fires whenever neither button has the focus. Qt
    // honours only one, and the shop button, set last, used to win.
    btn_obchod = tlacitko(this, 400, 432, 50, 25, QStringLiteral("&Obchod"));
    napoveda(btn_obchod, QStringLiteral("Zobrazi obchod, kde lze nakupovat za kredity energii, zbrane a naftu."));

    bvl_stav = bevel(this, 330, 466, 60, 65, QFrame::Sunken);
    QFont nadpis = okno_font();
    nadpis.setBold(true);
    nadpis.setUnderline(true);
    nadpis.setPointSize(10);
    lbl_napis_stav = radek(this, 337, 480, QStringLiteral("Stav"));
    lbl_napis_stav->setFont(nadpis);
    lbl_napis_stav->adjustSize();
    lbl_stav1 = radek(this, 332, 504, 25, QStringLiteral("0"), Qt::AlignRight | Qt::AlignVCenter);
    napoveda(lbl_stav1, QStringLiteral("Pocet bodu prvniho hrace."));
    lbl_dvojtecka = radek(this, 358, 504, QStringLiteral(":"));
    lbl_stav2 = radek(this, 363, 504, 25, QStringLiteral("0"));
    napoveda(lbl_stav2, QStringLiteral("Pocet bodu druheho hrace."));
    bvl_vitr = bevel(this, 392, 466, 63, 65, QFrame::Sunken);
    llbl_napis_vitr = radek(this, 401, 480, QStringLiteral("Vitr"));
    QFont nadpis_vitr = okno_font();
    nadpis_vitr.setBold(true);
    nadpis_vitr.setUnderline(true);
    llbl_napis_vitr->setFont(nadpis_vitr);
    llbl_napis_vitr->adjustSize();
    lbl_vitr = radek(this, 400, 504, 49, QStringLiteral("Bezvetri"), Qt::AlignCenter);
    napoveda(lbl_vitr, QStringLiteral("Ukazatel smeru vetru."));

    for (QWidget* w : {static_cast<QWidget*>(scr_uhel1), static_cast<QWidget*>(scr_sila1),
                       static_cast<QWidget*>(scr_uhel2), static_cast<QWidget*>(scr_sila2),
                       static_cast<QWidget*>(btn_pal), static_cast<QWidget*>(btn_obchod)})
        w->setEnabled(false);
    // The info line lies over the picture.
    lbl_infotext->raise();

    // Tab goes round the middle panel and the panel of the player to move, as they are
    // laid out: the other player's controls are disabled and skipped.
    QWidget* const poradi[] = {btn_pal, btn_obchod, scr_uhel1, cmb_zbran1, scr_sila1,
                               scr_uhel2, cmb_zbran2, scr_sila2};
    for (std::size_t i = 0; i + 1 < std::size(poradi); ++i)
        setTabOrder(poradi[i], poradi[i + 1]);

    // Driving by keyboard, whatever has the focus: the arrows belong to the focused bar or
    // box, letters to the weapon box's search and Alt to the buttons.
    const auto jizda = [this](Qt::Key klavesa, int smer) {
        connect(new QShortcut(QKeySequence(klavesa), this), &QShortcut::activated, this,
                [this, smer] { klavesa_jizdy(smer); });
    };
    jizda(Qt::Key_Comma, -1);
    jizda(Qt::Key_Period, 1);

    connect(scr_uhel1, &QScrollBar::valueChanged, this, [this] { scr_uhel1Change(); });
    connect(scr_uhel2, &QScrollBar::valueChanged, this, [this] { scr_uhel2Change(); });
    connect(scr_sila1, &QScrollBar::valueChanged, this, [this] { scr_sila1Change(); });
    connect(scr_sila2, &QScrollBar::valueChanged, this, [this] { scr_sila2Change(); });
    // activated: only the user's choice runs the handler, not a selection made from code.
    connect(cmb_zbran1, &QComboBox::activated, this, [this] { cmb_zbran1Select(); });
    connect(cmb_zbran2, &QComboBox::activated, this, [this] { cmb_zbran2Select(); });
    connect(btn_pal, &QPushButton::clicked, this, [this] { btn_palClick(); });
    connect(btn_obchod, &QPushButton::clicked, this, [this] { btn_obchodClick(); });
    connect(img_krajina, &LandscapeImage::mouseUp, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) {
                img_krajinaMouseUp(b, s, x, y);
            });
    zpristupni(this);
}

Tform_hra::~Tform_hra()
{
    if (form_hra == this)
        form_hra = nullptr;
    if (posledni_bojiste == this)
        posledni_bojiste = nullptr;
    if (form_obchod && form_obchod->bojiste == this)
        form_obchod->bojiste = nullptr;
}

QLabel* Tform_hra::lbl_naboje(int p, int kind) const
{
    switch (kind) {
    case stredni_strela: return p == 0 ? lbl_naboje_stredni1 : lbl_naboje_stredni2;
    case velka_strela: return p == 0 ? lbl_naboje_velka1 : lbl_naboje_velka2;
    case mini_nuke: return p == 0 ? lbl_naboje_mini1 : lbl_naboje_mini2;
    case mega_nuke: return p == 0 ? lbl_naboje_mega1 : lbl_naboje_mega2;
    default: return p == 0 ? lbl_naboje_zakladni1 : lbl_naboje_zakladni2;
    }
}

void Tform_hra::ukaz()
{
    if (!zavrit_po_akci_)
        img_krajina->show_now();
}

void Tform_hra::pauza(int ms)
{
    if (zavrit_po_akci_)
        return;
    if (!QAccessible::isActive()) {
        platform::sleep_ms(ms);
        return;
    }
    // A screen reader asks the window about what it announces and gives up on a window
    // that leaves it without an answer for 800 ms, as a long pause would. Its questions
    // are answered between slices of the pause; nothing else is handled meanwhile: no
    // input, no painting, no timer.
    for (int zbyva = ms; zbyva > 0; zbyva -= 100) {
        platform::sleep_ms(std::min(zbyva, 100));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }
}

void Tform_hra::zpracuj_zpravy()
{
    if (!zavrit_po_akci_)
        platform::process_messages();
}

void Tform_hra::obnov_okno()
{
    if (!zavrit_po_akci_ && isVisible())
        repaint();
}

Tform_hra::Akce::Akce(Tform_hra& f) : f_(f) { ++f_.hloubka_akci_; }

Tform_hra::Akce::~Akce()
{
    if (--f_.hloubka_akci_ == 0 && f_.zavrit_po_akci_)
        f_.zavri_po_akci();
}

void Tform_hra::zavri_po_akci()
{
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            return;
        // A close put off once more (an action started before this came round) is
        // carried out when that action ends.
        if (!bezi_akce())
            close();
    });
}

namespace {

// Runs once, as soon as the window has been put on the screen for the first time.
class PoVystaveni final : public QObject {
public:
    PoVystaveni(QWindow* okno, std::function<void()> akce)
        : QObject(okno), okno_(okno), akce_(std::move(akce))
    {
        okno->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == okno_ && e->type() == QEvent::Expose && okno_->isExposed()) {
            okno_->removeEventFilter(this);
            // Queued: the window paints its first picture before the game starts.
            QTimer::singleShot(0, okno_, akce_);
            deleteLater();
        }
        return false;
    }

private:
    QWindow* okno_;
    std::function<void()> akce_;
};

} // namespace

void Tform_hra::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (zobrazeno_)
        return;
    zobrazeno_ = true;
    // The first round's turn flash sleeps with its tank on the screen, so the game starts
    // only once the window is really visible, not while it is still being shown.
    const auto zacni = [this] {
        if (!hra_zacala_ && isVisible())
            FormShow();
    };
    QWindow* okno = windowHandle();
    if (!okno || okno->isExposed()) {
        QTimer::singleShot(0, this, zacni);
        return;
    }
    new PoVystaveni(okno, zacni);
    // A platform that never reports the window exposed (minimised at once, say) must not
    // keep the game from starting.
    QTimer::singleShot(500, this, zacni);
}

void Tform_hra::closeEvent(QCloseEvent* e)
{
    if (hloubka_akci_ > 0) {
        // Finish the running action unseen and close right after it. The request stays
        // until the window is closed: whatever runs next honours it.
        zavrit_po_akci_ = true;
        e->ignore();
        return;
    }
    FormClose();
    QDialog::closeEvent(e);
}

void Tform_hra::keyPressEvent(QKeyEvent* e)
{
    // Escape would reject the dialog behind the game's back; the close box ends a game.
    if (e->key() == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    QDialog::keyPressEvent(e);
}

namespace {

const char* const soubor_nebe = "data/nebe.bmp";

} // namespace

void Tform_hra::FormShow()
{
    hra_zacala_ = true;
    if (nastaveni_hry) {
        const GameSettings n = nastaveni_hry();
        prevezmi(n);
        lbl_jmeno1->setText(QString::fromStdString(n.jmeno[0]));
        lbl_jmeno2->setText(QString::fromStdString(n.jmeno[1]));
    }

    for (PlayerState& h : hrac) {
        h.penize = 2500;
        h.naboje[stredni_strela] = 5;
        h.naboje[velka_strela] = 3;
        h.naboje[mini_nuke] = 0;
        h.naboje[mega_nuke] = 0;
        h.stav = 0;
    }

    nebe = std::make_unique<QImage>();
    if (!nacti_obrazek_nebe(soubor_nebe, *nebe)) {
        // Without its sky the game does not start; the window stays, to be closed.
        nebe.reset();
        QMessageBox chyba(QMessageBox::Critical, QStringLiteral("Tarvana"),
                          QStringLiteral("Nelze nacist soubor \"%1\".\n%2")
                              .arg(QString::fromLatin1(soubor_nebe),
                                   QDir::current().absoluteFilePath(
                                       QString::fromLatin1(soubor_nebe))),
                          QMessageBox::Ok, this);
        chyba.exec();
        return;
    }
    kresli_nebe(platno(), *nebe);

    ::nove_kolo(*this, 0);
}

void Tform_hra::FormClose()
{
    // The brush lets go of the sky before the picture itself goes.
    if (platno().brush_pattern())
        platno().set_brush_color(platno().brush_color());
    nebe.reset();
}

void Tform_hra::scr_uhel1Change()
{
    kresli_tank(platno(), 0, barva_nebe);
    hrac[0].uhel = 90 - scr_uhel1->value();
    kresli_tank(platno(), 0, 0);
    ukaz();
    lbl_uhel1->setNum(hrac[0].uhel);
}

void Tform_hra::scr_uhel2Change()
{
    kresli_tank(platno(), 1, barva_nebe);
    hrac[1].uhel = std::abs(scr_uhel2->value() - 90) + 90;
    kresli_tank(platno(), 1, 0);
    ukaz();
    lbl_uhel2->setNum(scr_uhel2->value());
}

namespace {

void zmena_sily(Tform_hra& f, int p)
{
    hrac[p].sila = f.scr_sila(p)->value();
    f.lbl_sila(p)->setNum(hrac[p].sila);
}

void vyber_zbrane(Tform_hra& f, int p)
{
    hrac[p].zbran = f.cmb_zbran(p)->currentIndex();
    f.btn_pal->setEnabled(muze_strilet(p));
    for (int k = 0; k < pocet_zbrani; ++k)
        f.lbl_naboje(p, k)->setVisible(k == hrac[p].zbran);
}

} // namespace

void Tform_hra::scr_sila1Change() { zmena_sily(*this, 0); }
void Tform_hra::scr_sila2Change() { zmena_sily(*this, 1); }
void Tform_hra::cmb_zbran1Select() { vyber_zbrane(*this, 0); }
void Tform_hra::cmb_zbran2Select() { vyber_zbrane(*this, 1); }

void Tform_hra::ohlas(const QString& text) { ::ohlas(this, text); }

bool Tform_hra::focusNextPrevChild(bool next)
{
    // A control disabled with the focus would pass it along the Tab chain, through controls
    // disabled a moment later, and a screen reader reads out each. While a shot or a drive
    // runs the picture holds the focus, until the turn gives it to the fire button.
    if (QWidget* w = focusWidget(); w && !w->isEnabled()) {
        img_krajina->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QDialog::focusNextPrevChild(next);
}
