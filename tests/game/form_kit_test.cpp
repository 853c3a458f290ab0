// The controls the windows are built from: the one-line labels' widths, the border and
// font that every window gets from them, and where a window stands when first shown.
#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "game/form_kit.h"
#include "game/tarvana_hra.h"
#include "settings/tarvana_nastaveni.h"
#include "shop/tarvana_obchod.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

// Places and frames as a failure shows them.
static void PrintTo(const QPoint& p, std::ostream* os) { *os << '(' << p.x() << ", " << p.y() << ')'; }
static void PrintTo(const QMargins& m, std::ostream* os)
{
    *os << "margins " << m.left() << ", " << m.top() << ", " << m.right() << ", " << m.bottom();
}

namespace {

TEST(FormKit, OneLineLabelsKeepTheirColumns)
{
    QWidget okno;
    okno.setFont(okno_font());
    const QString dlouhy = QStringLiteral("Naboje pro velkou strelu");
    const Qt::Alignment vpravo = Qt::AlignRight | Qt::AlignVCenter;
    struct Pripad {
        const char* co;
        int w;
        QString text;
        Qt::Alignment align;
        Pismo pismo;
        // The expected left edge and width; a width of -1 stands for the text's own width.
        int x;
        int sirka;
    } const pripady[] = {
        {"sized to its text", -1, QStringLiteral("Energie:"), Qt::AlignLeft | Qt::AlignVCenter,
         Pismo::obycejne, 50, -1},
        {"a column keeps its width", 60, QStringLiteral("0"), Qt::AlignCenter, Pismo::obycejne,
         50, 60},
        {"a right-aligned text that fits stays in its column", 60, QStringLiteral("0"), vpravo,
         Pismo::tucne, 50, 60},
        {"a right-aligned text too wide keeps its right edge", 10, dlouhy, vpravo,
         Pismo::tucne, -1, -1},
        {"a centred text too wide is clipped in its column", 10, dlouhy, Qt::AlignCenter,
         Pismo::obycejne, 50, 10},
        {"underlined, sized to its text", -1, dlouhy, Qt::AlignLeft | Qt::AlignVCenter,
         Pismo::podtrzene, 50, -1},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.co);
        QLabel* l = p.w < 0 ? radek(&okno, 50, 20, p.text, p.pismo)
                            : radek(&okno, 50, 20, p.w, p.text, p.align, p.pismo);
        const int vlastni = l->sizeHint().width();
        const int sirka = p.sirka < 0 ? vlastni : p.sirka;
        const int x = p.x < 0 ? 50 + p.w - vlastni : p.x;
        EXPECT_EQ(l->geometry(), QRect(x, 20, sirka, 13));
        EXPECT_EQ(l->alignment(), p.align);
        EXPECT_EQ(l->font().family(), okno_font().family());
        EXPECT_EQ(l->font().pixelSize(), 11);
        EXPECT_EQ(l->font().bold(), p.pismo == Pismo::tucne);
        EXPECT_EQ(l->font().underline(), p.pismo == Pismo::podtrzene);
    }
}

TEST(FormKit, EveryWindowHasAFixedBorderWithACloseBoxAndTheWindowFont)
{
    struct Okno {
        const char* co;
        std::unique_ptr<QWidget> okno;
        bool minimalizace;
    };
    Okno okna[] = {
        {"main menu", std::make_unique<Tform_uvod>(), true},
        {"about box", std::make_unique<Tform_about>(), true},
        {"battlefield", std::make_unique<Tform_hra>(), true},
        {"settings", std::make_unique<Tform_nastaveni>(), false},
        {"shop", std::make_unique<Tform_obchod>(), false},
    };
    const Qt::WindowFlags ramecek = Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                                    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    for (const Okno& o : okna) {
        SCOPED_TRACE(o.co);
        const Qt::WindowFlags f = o.okno->windowFlags();
        EXPECT_EQ(f & ramecek, ramecek);
        EXPECT_EQ(f.testFlag(Qt::WindowMinimizeButtonHint), o.minimalizace);
        EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(o.okno->minimumSize(), o.okno->maximumSize());
        EXPECT_EQ(o.okno->font().family(), "MS Sans Serif");
        EXPECT_EQ(o.okno->font().pixelSize(), 11);
    }
}

// The main menu on a 1920x1080 desktop under a window manager whose frame adds 1 pixel left,
// right and below and a 20-pixel caption: the frame's centre on the desktop's puts the
// menu's own corner at (814, 446); without a frame it is (814, 436).
TEST(FormKit, AWindowIsCentredAgainWhenAWindowManagerFramesIt)
{
    const QRect plocha(0, 0, 1920, 1080);
    const QSize menu(292, 208);
    const QMargins zadny;
    const QMargins ramecek(1, 20, 1, 1);
    // What Qt measures while openbox is still building the frame: a frame of one pixel,
    // or one of the final size with the window in its top-left corner, both at the
    // desktop's top left.
    const QMargins rozestaveny(0, 0, -291, -207);
    const QMargins bez_posunu(0, 0, 2, 21);
    const QPoint v_rohu(0, 0);
    const QPoint bez_ramecku(814, 436);
    const QPoint uprostred(814, 446);
    struct Hlaseni {
        QMargins m;
        // Where the window stands; nothing for where it was put.
        std::optional<QPoint> kde;
        std::optional<QPoint> presun;
    };
    struct Pripad {
        const char* co;
        QMargins posledni;
        QPoint ukazano;
        std::vector<Hlaseni> hlaseni;
        QMargins posledni_potom;
    } const pripady[] = {
        {"framed where it was put", zadny, bez_ramecku, {{ramecek, {}, uprostred}}, ramecek},
        {"a frame still being built is no frame",
         zadny,
         bez_ramecku,
         {{rozestaveny, {}, {}}, {ramecek, {}, uprostred}},
         ramecek},
        {"without a window manager there is no frame to wait for",
         zadny,
         bez_ramecku,
         {{zadny, {}, {}}, {zadny, {}, {}}, {ramecek, {}, uprostred}},
         ramecek},
        {"a frame being built that holds the window away from its place is no frame",
         zadny,
         bez_ramecku,
         {{bez_posunu, v_rohu, {}}, {rozestaveny, v_rohu, {}}, {ramecek, {}, uprostred}},
         ramecek},
        {"a window the user moved stays where it is",
         zadny,
         bez_ramecku,
         {{ramecek, QPoint(100, 100), {}}, {ramecek, QPoint(100, 100), {}}},
         zadny},
        {"a frame being built round the window where it was put is followed to its end",
         zadny,
         bez_ramecku,
         {{bez_posunu, {}, QPoint(813, 426)}, {bez_posunu, {}, {}}, {ramecek, {}, uprostred}},
         ramecek},
        {"a window moved once framed stays where it is",
         zadny,
         bez_ramecku,
         {{ramecek, {}, uprostred}, {QMargins(4, 30, 4, 4), QPoint(100, 100), {}}},
         ramecek},
        {"a window shown after a framed one is centred with its frame at once",
         ramecek,
         uprostred,
         {{ramecek, {}, {}}},
         ramecek},
        {"a frame still being built is not taken for the next window",
         ramecek,
         uprostred,
         {{rozestaveny, {}, {}}},
         ramecek},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.co);
        QMargins posledni = p.posledni;
        Vystredeni v(posledni);
        QPoint polozeno = v.ukazano(plocha, menu);
        EXPECT_EQ(polozeno, p.ukazano);
        for (const Hlaseni& h : p.hlaseni) {
            const std::optional<QPoint> presun = v.ramecek(h.m, h.kde.value_or(polozeno));
            EXPECT_EQ(presun, h.presun);
            polozeno = presun.value_or(polozeno);
        }
        EXPECT_EQ(posledni, p.posledni_potom);
    }
}

} // namespace
