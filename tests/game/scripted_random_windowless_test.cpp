// The scripted random stand-in every test draws through: its values first, then its
// engine, and a strict one counts each draw the script did not foresee.
#include "tests/support/stand_ins.h"

#include <random>
#include <vector>

#include <gtest/gtest.h>

TEST(ScriptedRandomTest, HandsOutTheScriptThenTheEngineAndCountsOverdrawsOnlyWhenStrict)
{
    struct Case {
        const char* name;
        bool strict;
        std::vector<std::int32_t> script;
        int draws;
        int beyond;
    } cases[] = {
        {"lenient, script longer than the draws", false, {5, 6, 7}, 2, 0},
        {"lenient, drawn past the script", false, {5}, 3, 0},
        {"strict, drawn exactly to the end", true, {5, 6}, 2, 0},
        {"strict, drawn two past the script", true, {5}, 3, 2},
        {"strict, nothing scripted", true, {}, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom r(42);
        r.strict = c.strict;
        r.beyond_script = 9; // a new script forgets the last one's overdraws
        r.script({c.script.begin(), c.script.end()});
        std::mt19937 engine(42);
        for (int i = 0; i < c.draws; ++i) {
            const std::int32_t expected = i < static_cast<int>(c.script.size())
                                              ? c.script[static_cast<std::size_t>(i)]
                                              : static_cast<std::int32_t>(engine() >> 1);
            EXPECT_EQ(r.next31(), expected) << "draw " << i;
        }
        EXPECT_EQ(r.beyond_script, c.beyond);
    }
}

TEST(ScriptedRandomTest, SeedingRestartsTheEngineAndIsRecorded)
{
    ScriptedRandom r;
    r.next = {3};
    r.seed(77);
    std::mt19937 engine(77);
    EXPECT_EQ(r.next31(), 3) << "the script still comes first";
    EXPECT_EQ(r.next31(), static_cast<std::int32_t>(engine() >> 1));
    EXPECT_EQ(r.seeds, std::vector<std::uint32_t>{77});
}
