#pragma once
// What a case that scripts the random draws (ScriptedRandom::script) may ask of them.
#include "tests/support/stand_ins.h"

#include <gtest/gtest.h>

// Every scripted value was drawn.
inline void expect_script_drawn(const ScriptedRandom& random)
{
    EXPECT_TRUE(random.next.empty()) << random.next.size() << " scripted values not drawn";
}

// A strict source was drawn no further than its script.
inline void expect_nothing_beyond_script(const ScriptedRandom& random)
{
    if (random.strict) {
        EXPECT_EQ(random.beyond_script, 0) << "draws beyond the script";
    }
}
