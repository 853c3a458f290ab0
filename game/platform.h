#pragma once
// The platform services the game leans on, each behind one small seam. The game runs on
// the real ones; tests put recorders in their place so that nothing really sleeps, every
// pause and sound can be checked and a round can be replayed from its seed.
#include <cstdint>
#include <string>

namespace platform {

class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void sleep_ms(int ms) = 0;
};

// The battlefield's anti-freeze: lets the window handle what is pending, never waits.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    virtual void process_pending() = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the file asynchronously, cutting off whatever plays.
    virtual void play(const std::string& file) = 0;
    virtual void stop() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint32_t s) = 0;
    // The next non-negative 31-bit value.
    virtual std::int32_t next31() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t seconds() = 0;
};

// Installing nullptr puts the real service back. The real sound player is installed by
// the program itself (it needs Qt Multimedia); until then sounds go nowhere.
void install(Sleeper* s);
void install(MessagePump* p);
void install(SoundPlayer* p);
void install(RandomSource* r);
void install(Clock* c);
// Puts every real service back at once.
void install_real();

Sleeper& sleeper();
MessagePump& message_pump();
SoundPlayer& sound_player();
RandomSource& random_source();
Clock& clock();

inline void sleep_ms(int ms) { sleeper().sleep_ms(ms); }
inline void process_messages() { message_pump().process_pending(); }
inline void play_sound(const std::string& file) { sound_player().play(file); }
inline void stop_sound() { sound_player().stop(); }

} // namespace platform
