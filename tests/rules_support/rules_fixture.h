#pragma once
// The rules draw through the random seam; a case tells it the values to hand out, in the
// order the rules must draw them. A draw beyond them, or one left over, fails the case.
#include "game/game_state.h"
#include "game/platform.h"

#include <deque>
#include <optional>
#include <random>

#include <gtest/gtest.h>

struct Losy : platform::RandomSource {
    // nahoda(n) returns value % n.
    std::deque<std::int32_t> hodnoty;
    int navic = 0; // draws made after the values ran out
    // Once seeded, the generator's own values follow the scripted ones.
    std::optional<std::mt19937> motor;

    void seed(std::uint32_t s) override { motor.emplace(s); }
    std::int32_t next31() override
    {
        if (!hodnoty.empty()) {
            const std::int32_t v = hodnoty.front();
            hodnoty.pop_front();
            return v;
        }
        if (motor)
            return static_cast<std::int32_t>((*motor)() >> 1);
        ++navic;
        return 0;
    }
};

class PravidlaTest : public ::testing::Test {
protected:
    Losy losy;

    void SetUp() override
    {
        obnov_promenne_hry(); // its wind roll comes from the real generator
        platform::install(&losy);
    }
    void TearDown() override { platform::install(static_cast<platform::RandomSource*>(nullptr)); }

    void hody(std::deque<std::int32_t> h)
    {
        losy.hodnoty = std::move(h);
        losy.navic = 0;
    }
    // Every scripted value drawn, and nothing more.
    void vse_vylosovano() const
    {
        EXPECT_TRUE(losy.hodnoty.empty()) << losy.hodnoty.size() << " values not drawn";
        EXPECT_EQ(losy.navic, 0) << "draws beyond the script";
    }
};
