#pragma once
// The one set of stand-ins for the five platform services (game/platform.h), shared by the
// tests, the benchmarks and the tools. Nothing here sleeps or sounds unless told to; every
// pause and sound can be recorded, the random generator can be seeded or told its next
// values, and the clock stands still or moves on at every reading.
//
// Free of the test framework: target tarvana_stand_ins links only the game state library
// and Qt Core. The gtest fixture that installs them for each test is in recorders.h.
#include "game/platform.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

// Sums every pause asked for and, unless `record` is off, keeps each one in order.
// Long runs (many games, the monkey) turn `record` off so that nothing piles up.
struct RecordingSleeper : platform::Sleeper {
    std::vector<int> calls;
    bool record = true;
    long long summed_ms = 0;   // every pause asked for, recorded or not
    long long pauses = 0;      // how many
    // Runs after the pause is counted, with its length.
    std::function<void(int)> hook;
    // Each pause is handed on to this sleeper as well: the real one, for a run paced as
    // the game paces it (platform::sleeper() taken before this one is installed).
    platform::Sleeper* pass_on = nullptr;

    // One that only sums and counts.
    static RecordingSleeper summing();

    void sleep_ms(int ms) override;
    // Forgets every pause counted so far.
    void clear();
};

// Handles the window's pending events like the real anti-freeze (so queued clicks and
// closes really arrive mid-action), unless `process_events` is off, and then runs an
// optional hook each time.
struct RecordingPump : platform::MessagePump {
    long count = 0;
    bool process_events = true;
    std::function<void()> hook;
    void process_pending() override;
};

// Plays nothing. File names go into the log in order, a stop as "stop", unless `record`
// is off.
struct RecordingSound : platform::SoundPlayer {
    std::vector<std::string> log;
    bool record = true;
    // One that keeps nothing.
    static RecordingSound silent();

    void play(const std::string& file) override;
    void stop() override;
    long count(const std::string& what) const;
};

// The standard library's generator, like the real source, seeded with `first_seed`
// until the game seeds it; values put in `next` are handed out before the engine's own.
// A strict one is for cases that script every draw: each draw beyond the script is
// counted in `beyond_script` (and still answered by the engine), and the test fixtures
// fail the case when any was made.
struct ScriptedRandom : platform::RandomSource {
    std::mt19937 engine;
    // Every seed the game gave, in order.
    std::vector<std::uint32_t> seeds;
    // Values handed out before the engine's own; nahoda(n) returns value % n.
    std::deque<std::int32_t> next;
    bool strict = false;
    int beyond_script = 0;

    explicit ScriptedRandom(std::uint32_t first_seed = 1) : engine(first_seed) {}
    // A new script: these values next, and no draw beyond a script counted yet.
    void script(std::deque<std::int32_t> values);
    void seed(std::uint32_t s) override;
    std::int32_t next31() override;
};

// Reads `now`, then moves it on by `step` seconds (0: the clock stands still).
struct SteppingClock : platform::Clock {
    std::int64_t now = 1'000'000;
    std::int64_t step = 0;
    SteppingClock() = default;
    explicit SteppingClock(std::int64_t start, std::int64_t step_ = 0) : now(start), step(step_) {}
    std::int64_t seconds() override;
};

// Installs the stand-ins it is given (any of the five services, each a stand-in or any
// other implementation) and, when it goes, puts the real service of each of those kinds
// back. Services of the other kinds are left as they are.
class StandInScope {
public:
    StandInScope() = default;
    template <class... Services>
    explicit StandInScope(Services&... services)
    {
        (install(services), ...);
    }
    ~StandInScope();
    StandInScope(const StandInScope&) = delete;
    StandInScope& operator=(const StandInScope&) = delete;

    void install(platform::Sleeper& s);
    void install(platform::MessagePump& p);
    void install(platform::SoundPlayer& p);
    void install(platform::RandomSource& r);
    void install(platform::Clock& c);

private:
    bool sleeper_ = false;
    bool pump_ = false;
    bool sound_ = false;
    bool random_ = false;
    bool clock_ = false;
};
