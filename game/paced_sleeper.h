#pragma once
// The real pause's arithmetic, apart from the system's clock and sleep so that it can be
// checked without waiting.
//
// A flight, an explosion or a drive is a run of short pauses with a little drawing
// between them, and what the player sees is their sum. Left alone, every step would last
// its pause plus the drawing plus the wake-up's lateness; over a few hundred steps that
// is a visibly slower shell on a slow display. So a pause that comes a few milliseconds
// after the previous one ended, and sooner than its own length, continues that run: it
// ends one pause after the previous one was due to end. A pause after anything longer (a
// player's click, a dialog) starts afresh and lasts what it asks.
#include "game/platform.h"

#include <chrono>
#include <functional>

namespace platform {

class PacedSleeper final : public Sleeper {
public:
    using Micros = std::chrono::microseconds;
    using Now = std::function<Micros()>;
    using Wait = std::function<void(Micros)>;

    PacedSleeper(Now now, Wait wait);

    void sleep_ms(int ms) override;

private:
    Now now_;
    Wait wait_;
    bool in_run_ = false;
    Micros due_{0};   // when the previous pause was due to end
    Micros ended_{0}; // when it really ended
};

} // namespace platform
