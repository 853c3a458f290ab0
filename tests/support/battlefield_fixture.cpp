#include "tests/support/battlefield_fixture.h"

#include <QApplication>
#include <QTimer>

void BattlefieldTest::SetUp()
{
    PlatformTest::SetUp();
    previous_dir = QDir::currentPath();
    // A laid field plays on with the game's own data; a bare window starts from nothing.
    if (field_ == Field::none) {
        ASSERT_TRUE(folder.isValid());
        QDir::setCurrent(folder.path());
    }
    // A game started on the combat or computer field keeps the state the case gave it
    // instead of taking it from a settings window.
    if (field_ == Field::none || field_ == Field::driving) {
        settings = std::make_unique<Tform_nastaveni>();
        form_nastaveni = settings.get();
    }
    window = new_window();
    switch (field_) {
    case Field::none: break;
    case Field::combat: lay_combat_field(); break;
    case Field::driving: lay_driving_field(); break;
    case Field::computer: computer_to_move(); break;
    }
}

void BattlefieldTest::TearDown()
{
    window.reset();
    settings.reset();
    form_nastaveni = nullptr;
    QDir::setCurrent(previous_dir);
    PlatformTest::TearDown();
}

std::unique_ptr<Tform_hra> BattlefieldTest::new_window()
{
    auto w = std::make_unique<Tform_hra>();
    form_hra = w.get();
    return w;
}

QImage BattlefieldTest::write_sky()
{
    QImage sky(97, 61, QImage::Format_RGB32);
    for (int y = 0; y < sky.height(); ++y)
        for (int x = 0; x < sky.width(); ++x)
            sky.setPixel(x, y, qRgb(x * 2, y * 4, 200));
    QDir().mkpath(QStringLiteral("data"));
    EXPECT_TRUE(sky.save(QStringLiteral("data/nebe.bmp"), "BMP"));
    return sky;
}

void BattlefieldTest::start_game(Tform_hra& w)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.hra_zacala(); }, 5000));
}

void BattlefieldTest::postav(int p, int x)
{
    hrac[p].x = x;
    hrac[p].y = vysky[static_cast<std::size_t>(x - 15)] + 1;
}

void BattlefieldTest::postav(int p, int x, int uhel, int sila)
{
    postav(p, x);
    PlayerState& s = hrac[p];
    s.uhel = uhel;
    s.sila = sila;
    s.energie = plna_energie;
    s.nafta = plna_nadrz;
    s.barva = p == 0 ? clWhite : clYellow;
}

void BattlefieldTest::lay_combat_field()
{
    typ_hry = dva_hraci;
    zpozdeni = 0;
    zvuk = true;
    vitr = 0;
    nebe = std::make_unique<QImage>(16, 8, QImage::Format_RGB32);
    for (int y = 0; y < nebe->height(); ++y)
        for (int x = 0; x < nebe->width(); ++x)
            nebe->setPixel(x, y, qRgb(40 + 10 * x, 60 + 20 * y, 200));
    rovina(300);
    postav(0, 100, 45, 70);
    postav(1, 700, 135, 70);
    namaluj();
}

void BattlefieldTest::namaluj()
{
    Canvas& k = canvas();
    k.set_brush_pattern(nebe.get());
    k.fill_rect(0, 0, 800, 200);
    k.set_brush_color(barva_nebe);
    k.fill_rect(0, 200, 800, H);
    k.set_pen_width(1);
    k.set_pen_color(clGreen);
    for (int x = 0; x <= W; ++x)
        k.line(x, H, x, vysky[static_cast<std::size_t>(x)]);
    k.take_dirty();
}

std::optional<std::pair<int, int>> BattlefieldTest::zamer(int p, ImpactKind kind,
                                                          const std::function<bool(Bod)>& kde)
{
    const int od = p == 0 ? 5 : 90, po = p == 0 ? 90 : 175;
    for (int uhel = od; uhel <= po; ++uhel) {
        for (int sila = 10; sila <= 200; ++sila) {
            const KonecLetu k = simuluj_let(hlaven(hrac[p].x, hrac[p].y, uhel), uhel, sila, vitr,
                                            hrac, bonus_x, vysky, true);
            if (k.vysledek == kind && (!kde || kde(k.bod)))
                return std::pair{uhel, sila};
        }
    }
    return std::nullopt;
}

void BattlefieldTest::mir(int p, std::pair<int, int> z)
{
    hrac[p].uhel = z.first;
    hrac[p].sila = z.second;
}

void BattlefieldTest::lay_driving_field()
{
    rovina(300);
    zvuk = false;
    typ_hry = dva_hraci;
    na_tahu = 0;
    for (int p = 0; p < 2; ++p) {
        hrac[p].energie = plna_energie;
        hrac[p].nafta = plna_nadrz;
        window->cgg_energie(p)->setProgress(plna_energie);
        window->cgg_nadrz(p)->setProgress(plna_nadrz);
    }
    postav(0, 100);
    postav(1, 650);
    window->cmb_zbran1->setEnabled(true);
    window->btn_pal->setEnabled(true);
    window->btn_obchod->setEnabled(true);
}

void BattlefieldTest::natankuj(int p, int nafta)
{
    hrac[p].nafta = nafta;
    window->cgg_nadrz(p)->setProgress(nafta);
}

void BattlefieldTest::klik(int X, Qt::MouseButton tlacitko)
{
    QTest::mouseClick(window->img_krajina, tlacitko, {}, QPoint(X, 150));
}

void BattlefieldTest::computer_to_move()
{
    window.reset();
    obnov_pocatecni_stav();
    random.next.clear();
    sound.log.clear();
    sleeper.calls.clear();
    po_vyberu = pred_vystrelem = Okamzik{};
    pumpy_po_vyberu_ = 0;
    window = new_window();
    typ_hry = proti_pocitaci;
    na_tahu = 1;
    vitr = 0;
    zpozdeni = 0;
    for (PlayerState& p : hrac) {
        p.penize = 2500;
        p.energie = plna_energie;
        p.nafta = plna_nadrz;
        p.naboje = {0, 5, 3, 0, 0};
        p.sila = 70;
    }
    hrac[0].uhel = 45;
    hrac[1].uhel = 135;
    rovina(300);
    postav(0, 100);
    postav(1, W - 100);

    sleeper.hook = [this](int ms) {
        if (ms == 1500 && !po_vyberu.zachyceno)
            po_vyberu = zachyt();
    };
    // Messages are processed once after the 1500 ms pause and once more right before
    // the shot: the second time shows the aim as it is fired.
    pump.hook = [this] {
        if (po_vyberu.zachyceno && !pred_vystrelem.zachyceno && ++pumpy_po_vyberu_ == 2)
            pred_vystrelem = zachyt();
    };
}

Okamzik BattlefieldTest::zachyt() const
{
    Okamzik o{true, hrac[1], window->scr_uhel2->value(), window->scr_sila2->value(),
              window->lbl_uhel2->text(), window->lbl_sila2->text(), {}};
    for (int k = 0; k < pocet_zbrani; ++k)
        o.naboje_skryte[k] = window->lbl_naboje(1, k)->isHidden();
    return o;
}

bool nakupuj(Tform_hra& okno, const std::function<void(Tform_obchod&)>& co)
{
    bool bylo_otevreno = false;
    QTimer hlidac;
    hlidac.setInterval(0);
    QObject::connect(&hlidac, &QTimer::timeout, [&] {
        auto* o = qobject_cast<Tform_obchod*>(QApplication::activeModalWidget());
        if (!o)
            return;
        hlidac.stop();
        bylo_otevreno = true;
        co(*o);
        o->close();
    });
    hlidac.start();
    QTest::mouseClick(okno.btn_obchod, Qt::LeftButton);
    return bylo_otevreno;
}
