#pragma once
// The rules draw through the random seam; a case tells it the values to hand out, in the
// order the rules must draw them. The source is strict: a draw beyond them fails the case.
#include "game/game_state.h"
#include "game/platform.h"
#include "tests/support/script_checks.h"
#include "tests/support/stand_ins.h"

#include <deque>

#include <gtest/gtest.h>

class PravidlaTest : public ::testing::Test {
protected:
    ScriptedRandom losy;

    void SetUp() override
    {
        obnov_promenne_hry(); // its wind roll comes from the real generator
        losy.strict = true;
        platform::install(&losy);
    }
    void TearDown() override
    {
        platform::install(static_cast<platform::RandomSource*>(nullptr));
        expect_nothing_beyond_script(losy);
    }

    void hody(std::deque<std::int32_t> h) { losy.script(std::move(h)); }
    // Every scripted value drawn, and nothing more.
    void vse_vylosovano() const
    {
        expect_script_drawn(losy);
        expect_nothing_beyond_script(losy);
    }
};
