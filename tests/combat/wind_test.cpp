// The wind roll and its indicator.
#include "combat/wind.h"
#include "game/tarvana_hra.h"
#include "tests/support/recorders.h"

#include <map>

class WindTest : public PlatformTest {
protected:
    Tform_hra window;
};

TEST_F(WindTest, EveryDrawGivesItsWindAndCaption)
{
    const char* const captions[] = {"<<<<<", "<<<<", "<<<", "<<", "<", nullptr,
                                    ">",     ">>",   ">>>", ">>>>", ">>>>>"};
    for (int drawn = 0; drawn < 11; ++drawn) {
        // nahoda(11) is the drawn value modulo 11, whatever its size.
        random.next = {drawn + 11 * 1000};
        novy_vitr(window);
        EXPECT_EQ(vitr, drawn - 5);
        const QString expected = captions[drawn] ? QString::fromLatin1(captions[drawn])
                                                 : QStringLiteral("Bezv\u011Bt\u0159\u00ED");
        EXPECT_EQ(window.lbl_vitr->text(), expected) << drawn;
    }
}

TEST_F(WindTest, ManyRollsCoverTheRangeEvenly)
{
    random.seed(20240611);
    constexpr int rolls = 110000;
    std::map<int, int> seen;
    for (int i = 0; i < rolls; ++i) {
        novy_vitr(window);
        ASSERT_GE(vitr, -5);
        ASSERT_LE(vitr, 5);
        ++seen[vitr];
        const QString text = window.lbl_vitr->text();
        if (vitr != 0) {
            ASSERT_EQ(text.size(), std::abs(vitr));
            ASSERT_EQ(text.count(vitr < 0 ? QChar('<') : QChar('>')), std::abs(vitr));
        }
    }
    ASSERT_EQ(seen.size(), 11u);
    // 10000 expected each; five standard deviations is about 500.
    for (const auto& [wind, count] : seen)
        EXPECT_NEAR(count, rolls / 11, 500) << "wind " << wind;
}
