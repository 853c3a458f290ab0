// What a screen reader is told of the battle: where a shell came down, the turn, a shot and
// a round's end, as plain text.
#include "game/battle_speech.h"

#include <gtest/gtest.h>

namespace {

using Kde = Dopad::Kde;

// The enemy tank's right edge at column 415: its middle is column 400.
constexpr std::int32_t cil_x = 415;

TEST(KdeDopadla, TellsTheSideAndTheColumnsFromTheMiddleOfTheEnemyTank)
{
    const struct {
        Dopad dopad;
        const char* slovy;
    } pripady[] = {
        {{Kde::zadny, 0}, ""},
        {{Kde::zasah, 0}, "zasah"},
        {{Kde::vlastni_tank, 0}, "zasah vlastniho tanku"},
        {{Kde::mimo, 0}, "mimo bojiste"},
        {{Kde::zem, 388}, "12 sloupcu vlevo od tanku soupere"},
        {{Kde::zem, 401}, "1 sloupec vpravo od tanku soupere"},
        {{Kde::zem, 396}, "4 sloupce vlevo od tanku soupere"},
        {{Kde::zem, 405}, "5 sloupcu vpravo od tanku soupere"},
        {{Kde::zem, 400}, "tesne u tanku soupere"},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(kde_dopadla(p.dopad, cil_x), QString::fromLatin1(p.slovy)) << p.slovy;
}

TEST(TextDopadu, IsASentenceAndNothingBeforeTheFirstShell)
{
    EXPECT_EQ(text_dopadu({Kde::zem, 388}, cil_x),
              QStringLiteral("Dopad 12 sloupcu vlevo od tanku soupere."));
    EXPECT_EQ(text_dopadu({Kde::zasah, 0}, cil_x), QStringLiteral("Zasah."));
    EXPECT_EQ(text_dopadu({Kde::mimo, 0}, cil_x), QStringLiteral("Mimo bojiste."));
    EXPECT_TRUE(text_dopadu({}, cil_x).isEmpty());
}

class TextTahu : public ::testing::Test {
protected:
    std::array<QString, 2> jmeno{QStringLiteral("Alena"), QStringLiteral("Boris")};
    PlayerState h[2];
    void SetUp() override
    {
        h[0].energie = 175;
        h[0].x = 120;
        h[1].energie = 200;
        h[1].x = 600;
    }
};

TEST_F(TextTahu, TellsTheMoverBothEnergiesTheWindTheLastShellAndTheDistance)
{
    EXPECT_EQ(text_tahu(jmeno, 1, h, -3, Dopad{Kde::zem, 150}),
              QStringLiteral("Na tahu: Boris. Alena: energie 175 z 200. Boris: energie 200 z "
                             "200. Vitr 3 doleva. Posledni strela: 45 sloupcu vpravo od tanku "
                             "soupere. Vzdalenost tanku: 480 sloupcu."));
}

TEST_F(TextTahu, LastShellIsToldAgainstTheOtherPlayersTank)
{
    // Player 2's tank stands at 600: its middle is column 585.
    const QString t = text_tahu(jmeno, 0, h, 2, Dopad{Kde::zem, 580});
    EXPECT_TRUE(t.startsWith(QLatin1String("Na tahu: Alena."))) << t.toStdString();
    EXPECT_TRUE(t.contains(QLatin1String("Posledni strela: 5 sloupcu vlevo od tanku soupere.")))
        << t.toStdString();
    EXPECT_TRUE(t.contains(QLatin1String("Vitr 2 doprava."))) << t.toStdString();
    const QString prvni = text_tahu(jmeno, 0, h, 0, Dopad{});
    EXPECT_TRUE(prvni.contains(QLatin1String(" Bezvetri.")));
    EXPECT_FALSE(prvni.contains(QLatin1String("Posledni strela")));
}

TEST(TextVystrelu, TellsTheAngleAsTheLabelsShowIt)
{
    PlayerState s;
    s.zbran = velka_strela;
    s.uhel = 60;
    s.sila = 85;
    EXPECT_EQ(text_vystrelu(QStringLiteral("Alena"), 0, s),
              QStringLiteral("Strili Alena: Velka strela, uhel 60, sila 85."));
    // Player 2 aims to the left: uhel 150 is 30 degrees above the horizontal.
    s.uhel = 150;
    s.zbran = zakladni_strela;
    EXPECT_EQ(text_vystrelu(QStringLiteral("Boris"), 1, s),
              QStringLiteral("Strili Boris: Zakladni strela, uhel 30, sila 85."));
}

TEST(TextKonceKola, NamesTheLoserTheWinnerAndTheScore)
{
    PlayerState h[2];
    h[0].stav = 2;
    h[1].stav = 1;
    EXPECT_EQ(text_konce_kola({QStringLiteral("Alena"), QStringLiteral("Boris")}, 0, h),
              QStringLiteral("Tank hrace Boris je znicen, kolo vyhrava Alena. Stav Alena 2, "
                             "Boris 1. Nove kolo."));
}

} // namespace
