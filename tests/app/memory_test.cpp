// Memory over many games in one process: each game is started from the main menu, visits
// the shop, fires, sits through the computer's whole turn and is closed again.
#include "app/tarvana_aplikace.h"
#include "tests/support/cele_hry.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(MemoryOverGames, AHundredGamesAgainstTheComputerLeaveItFlat)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer holds freed memory back on purpose";
#endif
    spust_tarvanu();
    struct Uklid {
        ~Uklid() { zrus_okna(); }
    } uklid;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_uvod));

    CeleHry hry;
    long po_10 = 0;
    for (int hra = 1; hra <= 100; ++hra) {
        ASSERT_EQ(hry.hraj(), "") << "game " << hra;
        if (hra == 10)
            po_10 = stav_pameti_kb("VmRSS");
    }
    const long po_100 = stav_pameti_kb("VmRSS");
    ASSERT_GT(po_10, 0) << "no VmRSS in /proc/self/status";

    EXPECT_EQ(hry.navstev_obchodu(), 100);
    EXPECT_EQ(hry.vystrelu(), 100);
    // The computer pauses 500, 500 and 1500 ms in every turn of its own.
    EXPECT_GE(hry.prospano_ms(), 100 * 2500);
    // Flat means a few hundred kB here. A battlefield or a shop left behind per game, or
    // the style's drawings of each game's controls piling up, cost megabytes.
    EXPECT_LT(po_100 - po_10, 4 * 1024) << "RSS " << po_10 << " kB after game 10, " << po_100
                                        << " kB after game 100";
}
