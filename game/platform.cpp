#include "game/platform.h"

#include "game/paced_sleeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <chrono>
#include <random>
#include <thread>
#include <sys/prctl.h>

namespace platform {
namespace {

class RealSleeper final : public Sleeper {
public:
    void sleep_ms(int ms) override
    {
        // The kernel may wake a sleeper up to its timer slack late, 50 us by default; a
        // flight sleeps a few hundred times in a row, and its pace is the sum of them.
        thread_local const bool presne = ::prctl(PR_SET_TIMERSLACK, 1000UL, 0UL, 0UL, 0UL) == 0;
        (void)presne;
        paced_.sleep_ms(ms);
    }

private:
    PacedSleeper paced_{
        [] {
            return std::chrono::duration_cast<PacedSleeper::Micros>(
                std::chrono::steady_clock::now().time_since_epoch());
        },
        [](PacedSleeper::Micros d) { std::this_thread::sleep_for(d); }};
};

class RealPump final : public MessagePump {
public:
    void process_pending() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
};

class SilentPlayer final : public SoundPlayer {
public:
    void play(const std::string&) override {}
    void stop() override {}
};

// The standard library's generator; nahoda takes its values modulo n.
class RealRandom final : public RandomSource {
public:
    void seed(std::uint32_t s) override { engine_.seed(s); }
    std::int32_t next31() override { return static_cast<std::int32_t>(engine_() >> 1); }

private:
    std::mt19937 engine_{0};
};

class RealClock final : public Clock {
public:
    std::int64_t seconds() override { return QDateTime::currentSecsSinceEpoch(); }
};

template <class T, class Real>
struct Slot {
    Real real;
    T* current = &real;
    void set(T* p) { current = p ? p : &real; }
};

Slot<Sleeper, RealSleeper>& sleepers()
{
    static Slot<Sleeper, RealSleeper> s;
    return s;
}
Slot<MessagePump, RealPump>& pumps()
{
    static Slot<MessagePump, RealPump> s;
    return s;
}
Slot<SoundPlayer, SilentPlayer>& players()
{
    static Slot<SoundPlayer, SilentPlayer> s;
    return s;
}
Slot<RandomSource, RealRandom>& randoms()
{
    static Slot<RandomSource, RealRandom> s;
    return s;
}
Slot<Clock, RealClock>& clocks()
{
    static Slot<Clock, RealClock> s;
    return s;
}

} // namespace

void install(Sleeper* s) { sleepers().set(s); }
void install(MessagePump* p) { pumps().set(p); }
void install(SoundPlayer* p) { players().set(p); }
void install(RandomSource* r) { randoms().set(r); }
void install(Clock* c) { clocks().set(c); }

void install_real()
{
    install(static_cast<Sleeper*>(nullptr));
    install(static_cast<MessagePump*>(nullptr));
    install(static_cast<SoundPlayer*>(nullptr));
    install(static_cast<RandomSource*>(nullptr));
    install(static_cast<Clock*>(nullptr));
}

Sleeper& sleeper() { return *sleepers().current; }
MessagePump& message_pump() { return *pumps().current; }
SoundPlayer& sound_player() { return *players().current; }
RandomSource& random_source() { return *randoms().current; }
Clock& clock() { return *clocks().current; }

} // namespace platform
