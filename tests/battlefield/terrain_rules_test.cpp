#include "battlefield/terrain.h"
#include "tests/rules_support/rules_fixture.h"

#include <algorithm>
#include <cstdlib>

// Most cases seed the generator and let the landscape draw from it as it will.
class TerrainTest : public PravidlaTest {
protected:
    void SetUp() override
    {
        PravidlaTest::SetUp();
        losy.strict = false;
    }
};

TEST_F(TerrainTest, EveryLandscapeKeepsItsShapeRules)
{
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        losy.seed(seed);
        vytvor_krajinu();
        SCOPED_TRACE(seed);
        ASSERT_GE(vysky[0], 300);
        ASSERT_LE(vysky[0], 329);
        for (int c = 1; c < 25; ++c) {
            ASSERT_EQ(vysky[c], vysky[0]) << c;
        }
        for (int c = 0; c <= W; ++c) {
            ASSERT_GE(vysky[c], 250) << c;
            ASSERT_LE(vysky[c], 375) << c;
            if (c > 0) {
                ASSERT_LE(std::abs(vysky[c] - vysky[c - 1]), 1) << c;
            }
        }
        ASSERT_EQ(hrac[0].x, 100);
        ASSERT_EQ(hrac[0].y, vysky[85] + 1);
        ASSERT_EQ(hrac[1].x, 690);
        ASSERT_EQ(hrac[1].y, vysky[675] + 1);
    }
}

TEST_F(TerrainTest, UnusedColumnsBeyondTheBattlefieldAreNotWritten)
{
    losy.seed(7);
    vytvor_krajinu();
    for (std::size_t c = W + 1; c < vysky.size(); ++c)
        EXPECT_EQ(vysky[c], 0) << c;
}

TEST_F(TerrainTest, SameSeedGivesTheSameLandscape)
{
    losy.seed(1234567);
    vytvor_krajinu();
    const Heightmap first = vysky;
    losy.seed(1234568);
    vytvor_krajinu();
    EXPECT_NE(vysky, first);
    losy.seed(1234567);
    vytvor_krajinu();
    EXPECT_EQ(vysky, first);
}

// Draws that hand out the first height, then a slope on every multiple of 25 and a step
// for every column, show the order and count of the draws in the landscape itself.
TEST_F(TerrainTest, DrawsFirstHeightThenSlopeOnMultiplesOf25ThenStepPerColumn)
{
    losy.next.push_back(17); // first height 317
    for (int c = 1; c <= W; ++c) {
        if (c % 25 == 0)
            losy.next.push_back(c / 25 % 3); // slopes -1, 0, +1 in turn, from c = 25
        losy.next.push_back(c % 2);          // steps on odd columns only
    }
    const std::size_t scripted = losy.next.size();
    ASSERT_EQ(scripted, 1u + W + W / 25);
    losy.next.push_back(999); // must be left over
    vytvor_krajinu();
    ASSERT_EQ(losy.next.size(), 1u);
    EXPECT_EQ(losy.next.front(), 999);

    std::int32_t h = 317, slope = 0;
    for (int c = 1; c <= W; ++c) {
        if (c % 25 == 0)
            slope = c / 25 % 3 - 1;
        h = std::clamp(h + (c % 2) * slope, 250, 375);
        ASSERT_EQ(vysky[c], h) << c;
    }
}

TEST_F(TerrainTest, ClampsAtTheHighestAndLowestGround)
{
    struct Case {
        std::int32_t first_draw, slope_draw, edge;
    } cases[] = {{0, 0, 250}, {29, 2, 375}};
    for (const Case& k : cases) {
        losy.next = {k.first_draw};
        for (int c = 1; c <= W; ++c) {
            if (c % 25 == 0)
                losy.next.push_back(k.slope_draw);
            losy.next.push_back(1);
        }
        vytvor_krajinu();
        const std::int32_t h0 = 300 + k.first_draw, dir = k.slope_draw - 1;
        for (int c = 25; c <= W; ++c)
            ASSERT_EQ(vysky[c], std::clamp(h0 + (c - 24) * dir, 250, 375)) << c;
        EXPECT_EQ(vysky[W], k.edge);
        EXPECT_EQ(hrac[1].y, k.edge + 1);
    }
}

TEST_F(TerrainTest, TankRowReadsTheNearestGeneratedColumnAtTheEdges)
{
    for (int c = 0; c <= W; ++c)
        vysky[c] = 250 + c % 100;
    vysky[W + 1] = -1000;
    struct Case {
        std::int32_t x, column;
    } cases[] = {{100, 85}, {15, 0}, {3, 0}, {-50, 0}, {W + 15, W}, {W + 16, W}, {2000, W}};
    for (const Case& k : cases)
        EXPECT_EQ(radek_tanku(k.x), vysky[k.column] + 1) << k.x;
}

TEST_F(TerrainTest, ProfileGoesOnlyIntoTheMapItIsGivenUpToW)
{
    Heightmap h;
    h.fill(-1);
    losy.seed(99);
    vytvor_profil(h);
    for (int c = 0; c <= W; ++c)
        ASSERT_GE(h[c], 250) << c;
    for (std::size_t c = W + 1; c < h.size(); ++c)
        EXPECT_EQ(h[c], -1) << c;
    EXPECT_EQ(vysky, Heightmap{});
    // The tanks' places: player 1 over column 85, player 2 (W = 790) at 690 over 675.
    EXPECT_EQ(pocatecni_x(0), 100);
    EXPECT_EQ(pocatecni_x(1), 690);
    EXPECT_EQ(radek_tanku(h, 100), h[85] + 1);
    EXPECT_EQ(radek_tanku(h, 690), h[675] + 1);
}
