// The real pause over a pretend clock: each case is a run of pauses with some drawing
// between them and wake-ups that come late, and says how long the system was asked to
// sleep each time and when the last pause ended. The figures are worked out by hand in
// the comments.
#include "game/paced_sleeper.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

using Micros = platform::PacedSleeper::Micros;

struct PauseRun {
    const char* name;
    int pause_ms;
    int pauses;
    Micros between;          // the work before each pause but the first
    Micros late;             // how late every wake-up comes
    std::vector<Micros> asked;
    Micros last_end;
};

// A pretend clock whose sleeps wake `late` after what they were asked for.
struct PretendTime {
    Micros now{0};
    Micros late{0};
    std::vector<Micros> asked;
    platform::PacedSleeper sleeper{[this] { return now; }, [this](Micros d) {
                                       asked.push_back(d);
                                       now += d + late;
                                   }};
};

class PacedSleeperTest : public ::testing::TestWithParam<PauseRun> {};

TEST_P(PacedSleeperTest, AsksTheSystemForWhatKeepsThePace)
{
    const PauseRun& r = GetParam();
    PretendTime t;
    t.late = r.late;
    for (int i = 0; i < r.pauses; ++i) {
        if (i > 0)
            t.now += r.between;
        t.sleeper.sleep_ms(r.pause_ms);
    }
    EXPECT_EQ(t.asked, r.asked);
    EXPECT_EQ(t.now, r.last_end);
}

using std::chrono::microseconds;

INSTANTIATE_TEST_SUITE_P(
    Runs, PacedSleeperTest,
    ::testing::Values(
        // Due at 15000, 30000, 45000, 60000: each later pause starts 100 us after the
        // previous one's late end (15050 + 100) and sleeps to its due time.
        PauseRun{"FlightStepsKeepTheirPaceDespiteDrawingAndLateWakeUps", 15, 4, microseconds(100),
            microseconds(50),
            {microseconds(15000), microseconds(14850), microseconds(14850), microseconds(14850)},
            microseconds(60050)},
        // On time and with nothing between, nothing is shortened.
        PauseRun{"ExactPausesStayExact", 2, 3, microseconds(0), microseconds(0),
            {microseconds(2000), microseconds(2000), microseconds(2000)}, microseconds(6000)},
        // Work as long as the pause ends the run: every pause starts afresh.
        PauseRun{"WorkLongerThanThePauseStartsEachAfresh", 2, 3, microseconds(3000), microseconds(0),
            {microseconds(2000), microseconds(2000), microseconds(2000)}, microseconds(12000)},
        // A click 50 ms after a long pause is the player, not drawing: the nuke's second
        // of waiting that follows is not shortened by it.
        PauseRun{"APauseSoonAfterAClickIsWhole", 1000, 2, microseconds(50000), microseconds(0),
            {microseconds(1000000), microseconds(1000000)}, microseconds(2050000)},
        // 4 ms of drawing between 6 ms pauses: the second is due at 12000 but starts at
        // 10000, and half a pause (3000) is the least it sleeps; due 13000. The third
        // starts at 17000, due max(19000, 20000) = 20000.
        PauseRun{"CatchingUpNeverTakesMoreThanHalfAPause", 6, 3, microseconds(4000),
            microseconds(0), {microseconds(6000), microseconds(3000), microseconds(3000)},
            microseconds(20000)}),
    [](const ::testing::TestParamInfo<PauseRun>& i) { return std::string(i.param.name); });

TEST(PacedSleeper, NoPauseAsksNothingAndLeavesTheRunAlone)
{
    PretendTime t;
    t.sleeper.sleep_ms(15);
    t.sleeper.sleep_ms(0);
    t.sleeper.sleep_ms(-5);
    t.now += microseconds(200);
    t.sleeper.sleep_ms(15);
    EXPECT_EQ(t.asked, (std::vector<Micros>{microseconds(15000), microseconds(14800)}));
}

} // namespace
