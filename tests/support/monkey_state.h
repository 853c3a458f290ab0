#pragma once
// What the monkey's parts share about one run: the report, the inputs that led here, and
// where play stands (which game, which shop, how deep the inputs nest).
#include "game/tarvana_hra.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/monkey.h"
#include "tests/support/monkey_snapshot.h"

#include <QMessageBox>
#include <QPointer>

#include <algorithm>
#include <array>
#include <deque>
#include <sstream>
#include <string>

namespace monkey {

// The game types the monkey plays in turn: against the computer at every skill, then
// two humans.
struct GameType {
    int typ;
    int skill;   // -1 for two humans
};
constexpr std::array<GameType, 6> game_types{{{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {0, -1}}};

class MonkeyState {
protected:
    MonkeyState(std::uint32_t seed, long events)
        : budget_(events), session_budget_(std::clamp<long>(events / 8, 60, 300)),
          goal_(static_cast<int>(seed % game_types.size()))
    {
    }

    void fail(const std::string& what)
    {
        if (report_.findings.size() >= 30)
            return;
        std::ostringstream s;
        s << what << "\n    after:";
        for (const std::string& t : trail_)
            s << "\n      " << t;
        report_.findings.push_back(s.str());
    }

    MonkeyReport report_;
    long budget_;
    long session_budget_;
    long session_events_ = 0;
    int goal_;
    GameType game_type_{1, 2};
    bool game_counted_ = true;
    bool stopped_ = false;
    bool finishing_ = false;
    int depth_ = 0;
    int in_pump_ = 0;
    bool round_seen_ = false;
    QPointer<Tform_hra> game_;
    QPointer<Tform_obchod> shop_;
    int shop_player_ = 0;
    QPointer<QMessageBox> last_box_;
    QPointer<QWidget> last_popup_;
    std::deque<std::string> trail_;
    const bool trace_ = qEnvironmentVariableIsSet("TARVANA_MONKEY_TRACE");

    struct SinceQuiet {
        bool fire = false;
        bool drive = false;
        bool shop = false;
    } since_quiet_;
    Snapshot baseline_;
    bool baseline_valid_ = false;
};

} // namespace monkey
