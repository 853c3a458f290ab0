#pragma once
// A seeded monkey that plays the whole program through its real windows: main menu,
// settings, battlefield, shop, about box and message boxes, with clicks anywhere, lone
// mouse releases of every button, keys, scroll-bar moves, combo selections, purchases and
// window closes. It runs the program's own event loop and sends its input from queued
// calls, so it keeps acting inside every modal window and inside running shots and
// drives. After every input it checks the game's rules and records what it finds.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct MonkeyReport {
    long events = 0;          // inputs sent
    long checks = 0;          // times the rules were checked
    long quiet_checks = 0;    // checks with a battlefield waiting for its player
    long fire_runs = 0;       // fire-button handler runs that flew a shell
    long drives = 0;
    long shop_visits = 0;
    long purchases = 0;
    long games = 0;
    long program_runs = 0;
    long message_boxes = 0;
    long popups = 0;
    long simulated_sleep_ms = 0;
    // Fire runs per game type: (typ_hry, obtiznost), with obtiznost -1 for two humans.
    std::map<std::pair<int, int>, long> fire_runs_by_game;
    // Every broken rule, with the inputs that led to it.
    std::vector<std::string> findings;

    std::string summary() const;
};

// Plays one whole program run (or several, when the monkey quits the program early)
// with `events` inputs drawn from `seed`, and closes every window at the end.
MonkeyReport run_monkey(std::uint32_t seed, long events);
