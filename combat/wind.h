#pragma once
#include <QString>
#include <cstdint>

class BojistePohled;

// The wind indicator's text for a wind of -5..5.
QString popisek_vetru(std::int32_t v);
// Rolls vitr = nahoda(11) - 5 and writes lbl_vitr.
void novy_vitr(BojistePohled& f);
