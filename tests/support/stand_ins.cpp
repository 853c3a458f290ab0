#include "tests/support/stand_ins.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

RecordingSleeper RecordingSleeper::summing()
{
    RecordingSleeper s;
    s.record = false;
    return s;
}

void RecordingSleeper::sleep_ms(int ms)
{
    summed_ms += ms;
    ++pauses;
    if (record)
        calls.push_back(ms);
    if (hook)
        hook(ms);
    if (pass_on)
        pass_on->sleep_ms(ms);
}

void RecordingSleeper::clear()
{
    calls.clear();
    summed_ms = 0;
    pauses = 0;
}

void RecordingPump::process_pending()
{
    ++count;
    if (process_events && QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (hook)
        hook();
}

RecordingSound RecordingSound::silent()
{
    RecordingSound s;
    s.record = false;
    return s;
}

void RecordingSound::play(const std::string& file)
{
    if (record)
        log.push_back(file);
}

void RecordingSound::stop()
{
    if (record)
        log.push_back("stop");
}

long RecordingSound::count(const std::string& what) const
{
    return std::count(log.begin(), log.end(), what);
}

void ScriptedRandom::seed(std::uint32_t s)
{
    seeds.push_back(s);
    engine.seed(s);
}

void ScriptedRandom::script(std::deque<std::int32_t> values)
{
    next = std::move(values);
    beyond_script = 0;
}

std::int32_t ScriptedRandom::next31()
{
    if (!next.empty()) {
        const std::int32_t v = next.front();
        next.pop_front();
        return v;
    }
    if (strict)
        ++beyond_script;
    return static_cast<std::int32_t>(engine() >> 1);
}

std::int64_t SteppingClock::seconds()
{
    const std::int64_t t = now;
    now += step;
    return t;
}

void StandInScope::install(platform::Sleeper& s)
{
    platform::install(&s);
    sleeper_ = true;
}

void StandInScope::install(platform::MessagePump& p)
{
    platform::install(&p);
    pump_ = true;
}

void StandInScope::install(platform::SoundPlayer& p)
{
    platform::install(&p);
    sound_ = true;
}

void StandInScope::install(platform::RandomSource& r)
{
    platform::install(&r);
    random_ = true;
}

void StandInScope::install(platform::Clock& c)
{
    platform::install(&c);
    clock_ = true;
}

StandInScope::~StandInScope()
{
    if (sleeper_)
        platform::install(static_cast<platform::Sleeper*>(nullptr));
    if (pump_)
        platform::install(static_cast<platform::MessagePump*>(nullptr));
    if (sound_)
        platform::install(static_cast<platform::SoundPlayer*>(nullptr));
    if (random_)
        platform::install(static_cast<platform::RandomSource*>(nullptr));
    if (clock_)
        platform::install(static_cast<platform::Clock*>(nullptr));
}
