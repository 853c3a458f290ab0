#pragma once
// A bitmap cut short still decodes: the picture loader fills what is missing and reports
// success. Its headers say how many bytes plain pixels take, and a run-length stream ends
// with its own end code, so a short file can be told.
#include "game/file_bytes.h"

#include <cstdint>
#include <string>

// Whether a BMP of the given size holds every pixel byte its headers promise, or, for a
// run-length compressed one, its whole stream up to the end. A file that is not a BMP at
// all passes; the picture loader judges it.
bool bmp_je_cely(std::int64_t velikost, const CteniSouboru& cti);
bool bmp_soubor_je_cely(const std::string& soubor);
