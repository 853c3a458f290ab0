#pragma once
// Hints: shown 100 ms after the pointer rests on a control, for 10 s, and switched on and
// off for the whole application at once.
class QWidget;
class QString;

constexpr int napoveda_prodleva_ms = 100;
constexpr int napoveda_doba_ms = 10000;

// Gives a control its hint with the game's display time.
void napoveda(QWidget* w, const QString& text);
void zapni_napovedy(bool on);
bool napovedy_zapnuty();
