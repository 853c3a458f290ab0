#include "game/paced_sleeper.h"

#include <algorithm>
#include <utility>

namespace platform {
namespace {

// The most drawing between two steps that still counts as one run. Anything longer is
// the player or a window at work, and is not taken out of the next pause.
constexpr PacedSleeper::Micros longest_step{5000};

} // namespace

PacedSleeper::PacedSleeper(Now now, Wait wait) : now_(std::move(now)), wait_(std::move(wait)) {}

void PacedSleeper::sleep_ms(int ms)
{
    if (ms <= 0)
        return;
    const Micros pause{static_cast<Micros::rep>(ms) * 1000};
    const Micros now = now_();
    Micros due = now + pause;
    // Catching up never takes more than half a pause: a display too slow for the pace
    // makes the run slower, never a blur of steps without any pause.
    if (in_run_ && now - ended_ < std::min(pause, longest_step))
        due = std::max(due_ + pause, now + pause / 2);
    wait_(due - now);
    in_run_ = true;
    due_ = due;
    ended_ = now_();
}

} // namespace platform
