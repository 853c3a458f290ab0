#pragma once
// The real sound player: each file is checked, then streamed from disk to Qt Multimedia's
// audio output at the moment it is asked for.
#include "game/platform.h"

#include <functional>
#include <memory>

std::unique_ptr<platform::SoundPlayer> vytvor_qt_prehravac();
// The same with another stand-in for the system's default sound (tests count it).
std::unique_ptr<platform::SoundPlayer> vytvor_qt_prehravac(std::function<void()> pipnuti);
