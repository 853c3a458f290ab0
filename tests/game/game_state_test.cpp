#include "game/game_state.h"
#include "tests/support/recorders.h"

class NahodaTest : public PlatformTest {};

TEST_F(NahodaTest, ZeroArgumentGivesZeroWithoutDrawing)
{
    random.next = {12345};
    EXPECT_EQ(nahoda(0), 0);
    EXPECT_EQ(random.next.size(), 1u);
}

TEST_F(NahodaTest, NegativeArgumentStaysInZeroToMagnitude)
{
    struct Case {
        std::int32_t drawn, n, expected;
    } cases[] = {{7, 3, 1}, {7, -3, 1}, {2147483647, 10, 7}, {5, -1, 0}, {9, -10, 9}};
    for (const Case& c : cases) {
        random.next = {c.drawn};
        EXPECT_EQ(nahoda(c.n), c.expected) << c.drawn << " % " << c.n;
    }
}

TEST_F(NahodaTest, SameSeedSameSequence)
{
    random.seed(42);
    std::vector<int> a, b;
    for (int i = 0; i < 50; ++i)
        a.push_back(nahoda(1000));
    random.seed(42);
    for (int i = 0; i < 50; ++i)
        b.push_back(nahoda(1000));
    EXPECT_EQ(a, b);
}
