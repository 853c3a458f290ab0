#pragma once
// A WAV file is checked before any of it reaches the sound output: a file that is cut
// short, or whose chunks promise more than it holds, would leave a decoder waiting for
// bytes that never come. Plain C++ over the file's bytes, so the rules test without Qt.
#include "game/file_bytes.h"

#include <cstdint>
#include <optional>
#include <string>

struct WavZvuk {
    enum class Vzorky { u8, s16, s32, f32 };
    Vzorky vzorky = Vzorky::s16;
    int kanaly = 0;
    int frekvence = 0;
    int zarovnani = 0;          // bytes per frame
    std::int64_t data_od = 0;   // where the samples begin in the file
    std::int64_t data_delka = 0; // bytes of samples, whole frames only
};

// Walks the RIFF chunks of a file of the given size. Returns the samples to play, or
// nothing for a file that is not a sound the output can play: no RIFF/WAVE signature, no
// format chunk before the data, a format other than 8/16/32-bit integer or 32-bit float
// PCM, implausible rates or channel counts, or a data chunk the file does not hold.
std::optional<WavZvuk> rozbor_wav(std::int64_t velikost, const CteniSouboru& cti);

// The same for a file on disk; a missing, unreadable or non-regular file is no sound.
std::optional<WavZvuk> rozbor_wav_souboru(const std::string& soubor);
