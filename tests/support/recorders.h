#pragma once
// Stand-ins for the platform services: nothing sleeps, every pause and sound is recorded,
// and the random generator can be seeded or told its next values.
#include "game/game_state.h"
#include "game/platform.h"

#include <deque>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

struct RecordingSleeper : platform::Sleeper {
    std::vector<int> calls;
    void sleep_ms(int ms) override { calls.push_back(ms); }
    long total() const { return std::accumulate(calls.begin(), calls.end(), 0L); }
};

// Handles the window's pending events like the real anti-freeze (so queued clicks and
// closes really arrive mid-action) and runs an optional hook each time.
struct RecordingPump : platform::MessagePump {
    int count = 0;
    bool process_events = true;
    std::function<void()> hook;
    void process_pending() override;
};

struct RecordingSound : platform::SoundPlayer {
    // File names in order; a stop is recorded as "stop".
    std::vector<std::string> log;
    void play(const std::string& file) override { log.push_back(file); }
    void stop() override { log.push_back("stop"); }
    long count(const std::string& what) const;
};

struct ScriptedRandom : platform::RandomSource {
    std::mt19937 engine{1};
    std::vector<std::uint32_t> seeds;
    // Values handed out before the engine's own; nahoda(n) returns value % n.
    std::deque<std::int32_t> next;
    void seed(std::uint32_t s) override
    {
        seeds.push_back(s);
        engine.seed(s);
    }
    std::int32_t next31() override
    {
        if (!next.empty()) {
            const std::int32_t v = next.front();
            next.pop_front();
            return v;
        }
        return static_cast<std::int32_t>(engine() >> 1);
    }
};

struct FixedClock : platform::Clock {
    std::int64_t now = 1'000'000;
    std::int64_t seconds() override { return now; }
};

// Installs all five stand-ins and the program-start game state for each test.
class PlatformTest : public ::testing::Test {
protected:
    RecordingSleeper sleeper;
    RecordingPump pump;
    RecordingSound sound;
    ScriptedRandom random;
    FixedClock clock;

    void SetUp() override;
    void TearDown() override;
};
