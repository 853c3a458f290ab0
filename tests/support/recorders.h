#pragma once
// The gtest fixture over the platform stand-ins (stand_ins.h): nothing sleeps, every pause
// and sound is recorded, and the random generator can be seeded or told its next values.
#include "game/game_state.h"
#include "tests/support/script_checks.h"
#include "tests/support/stand_ins.h"

#include <optional>

#include <gtest/gtest.h>

// Installs all five stand-ins and the program-start game state for each test, and puts
// every real service back after it.
class PlatformTest : public ::testing::Test {
protected:
    RecordingSleeper sleeper;
    RecordingPump pump;
    RecordingSound sound;
    ScriptedRandom random;
    SteppingClock clock;

    void SetUp() override;
    void TearDown() override;

private:
    std::optional<StandInScope> installed_;
};
