// The monkey's driver: installs the platform stand-ins, runs the program's event loop,
// and at each input asks its player what to send and then its rule checks what holds.
#include "tests/support/monkey.h"

#include "app/tarvana_aplikace.h"
#include "game/platform.h"
#include "game/turns.h"
#include "tests/support/monkey_parts.h"
#include "tests/support/stand_ins.h"

#include <QTimer>

#include <memory>

namespace {

using namespace monkey;

// ---- the platform as the monkey plays it (stand_ins.h): nothing sleeps, nothing sounds,
// and every round gets a landscape of its own because the clock moves on at every reading.
class Monkey {
public:
    Monkey(std::uint32_t seed, long events)
        : run_(seed, events), dice_(seed), inputs_(run_, dice_), rules_(run_),
          player_(run_, dice_, inputs_, rules_)
    {
        random_.engine.seed(seed);
        clock_.now = 1'000'000 + static_cast<std::int64_t>(seed) * 100'000;
        // The battlefield's anti-freeze goes through pump(), which handles the events.
        pump_.process_events = false;
        pump_.hook = [this] { pump(); };
    }

    MonkeyReport run()
    {
        const StandInScope installed(sleeper_, pump_, sound_, random_, clock_);
        obnov_pocatecni_stav();

        while (!run_.stopped) {
            ++run_.report.program_runs;
            spust_tarvanu();
            auto ctx = std::make_unique<QObject>();
            ctx_ = ctx.get();
            schedule();
            // A watchdog for windows that will not close: the event loop must end.
            const int limit_ms = static_cast<int>(std::min<long>(120'000 + run_.budget * 20, 1'800'000));
            QTimer::singleShot(limit_ms, ctx_, [this, limit_ms] {
                run_.fail("the program did not end within " + std::to_string(limit_ms / 1000) + " s");
                run_.stopped = true;
                QCoreApplication::exit(1);
            });
            QApplication::exec();
            ctx.reset();
            ctx_ = nullptr;
            rules_.check_nothing_left_open();
            zrus_okna();
            run_.game = nullptr;
            run_.shop = nullptr;
            if (run_.report.events >= run_.budget)
                run_.stopped = true;
        }

        run_.report.simulated_sleep_ms = sleeper_.summed_ms;
        return run_.report;
    }

    // The battlefield's anti-freeze: a running action lets the window handle its
    // messages. Whatever those messages do, they must not change the game under the
    // action's feet: that would be a second action started inside the first.
    void pump()
    {
        ++run_.in_pump;
        if (form_hra && probiha_akce) {
            Tform_hra& f = *form_hra;
            const bool let = !f.btn_obchod->isEnabled() && !f.scr_uhel1->isEnabled()
                             && !f.scr_uhel2->isEnabled();
            if (let && !run_.since_quiet.fire) {
                run_.since_quiet.fire = true;
                ++run_.report.fire_runs;
                ++run_.report.fire_runs_by_game[{run_.game_type.typ, run_.game_type.skill}];
            } else if (!let && !run_.since_quiet.drive && na_tahu >= 0 && na_tahu <= 1
                       && f.scr_uhel(na_tahu)->isEnabled()) {
                run_.since_quiet.drive = true;
                ++run_.report.drives;
            }
        }
        const Snapshot pred = Snapshot::now();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const std::string zmena = pred.difference(Snapshot::now());
        if (!zmena.empty())
            run_.fail("the game changed while an action let the window handle its messages: "
                 + zmena);
        --run_.in_pump;
    }

private:
    // ---------------------------------------------------------------- scheduling
    void schedule()
    {
        if (ctx_)
            QTimer::singleShot(0, ctx_, [this] { tick(); });
    }

    void tick()
    {
        // The next input is queued first, so that it arrives inside whatever modal
        // window or running action this one opens.
        schedule();
        if (run_.stopped)
            return;
        // Delivering an input lets the toolkit handle pending events, this call among
        // them. An input belongs inside another one only when that one opened a modal
        // window or runs an action that handles its messages; otherwise this call waits
        // for the next round.
        // A context menu runs a loop of its own, as a modal window does.
        QWidget* modal = QApplication::activePopupWidget();
        if (!modal)
            modal = QApplication::activeModalWidget();
        if (!frames_.empty()) {
            const bool nova_akce = run_.in_pump > frames_.back().in_pump;
            const bool nove_okno = std::none_of(frames_.begin(), frames_.end(),
                                                [&](const Frame& f) { return f.modal == modal; });
            if (!nova_akce && !nove_okno)
                return;
        }
        frames_.push_back({modal, run_.in_pump});
        if (++run_.depth > 40) {
            run_.fail("inputs nest more than 40 deep");
            run_.stopped = true;
            QCoreApplication::exit(1);
        }
        try {
            observe();
            if (run_.finishing || run_.report.events >= run_.budget) {
                run_.finishing = true;
                player_.finish_step();
            } else {
                act();
            }
            observe();
            rules_.check();
        } catch (const std::exception& e) {
            run_.fail(std::string("exception escaped a handler: ") + e.what());
        } catch (...) {
            run_.fail("an exception of unknown type escaped a handler");
        }
        frames_.pop_back();
        --run_.depth;
    }

    void observe()
    {
        if (form_hra && form_hra->hra_zacala() && form_hra != run_.game) {
            run_.game = form_hra;
            ++run_.report.games;
            run_.game_type = {typ_hry, typ_hry == proti_pocitaci ? obtiznost : -1};
            run_.session_events = 0;
            run_.game_counted = false;
            run_.baseline_valid = false;
        }
        if (run_.game && run_.game->hra_zacala() && nebe)
            run_.round_seen = true;
        if (run_.game && !run_.game->isVisible() && !run_.game_counted) {
            run_.game_counted = true;
            const GameType& g = game_types[static_cast<std::size_t>(run_.goal)];
            if (g.typ == run_.game_type.typ && g.skill == run_.game_type.skill)
                run_.goal = (run_.goal + 1) % static_cast<int>(game_types.size());
        }
        if (form_obchod && form_obchod->isVisible() && form_obchod != run_.shop) {
            run_.shop = form_obchod;
            run_.shop_player = form_obchod->hrac_obchodu;
            run_.since_quiet.shop = true;
            ++run_.report.shop_visits;
        }
    }

    // ---------------------------------------------------------------- the windows
    void act()
    {
        QWidget* t = inputs_.top();
        if (!t)
            return;
        if (QApplication::activePopupWidget() == t)
            return player_.act_popup(t);
        if (auto* box = qobject_cast<QMessageBox*>(t))
            return player_.act_message(box);
        if (auto* shop = qobject_cast<Tform_obchod*>(t))
            return player_.act_shop(*shop);
        if (auto* hra = qobject_cast<Tform_hra*>(t)) {
            const bool in_action = run_.in_pump > 0 || hra->bezi_akce() || probiha_akce;
            // A shot handles the window's messages at every step of its flight, a drive
            // only once, after its start: a user gets a few inputs into either.
            const bool drive = probiha_akce && na_tahu >= 0 && na_tahu <= 1
                               && hra->scr_uhel(na_tahu)->isEnabled();
            if (in_action && !dice_.chance(drive ? 0.5 : 1.0 / 30))
                return;
            return player_.act_battlefield(*hra, in_action);
        }
        if (t == form_nastaveni)
            return player_.act_settings(*form_nastaveni);
        if (t == form_uvod)
            return player_.act_menu(*form_uvod);
        if (t == form_about)
            return player_.act_about(*form_about);
        player_.act_other(t);
    }

    RunState run_;
    Dice dice_;
    Inputs inputs_;
    RuleChecks rules_;
    WindowPlayer player_;

    RecordingSleeper sleeper_ = RecordingSleeper::summing();
    RecordingPump pump_;
    RecordingSound sound_ = RecordingSound::silent();
    ScriptedRandom random_;
    SteppingClock clock_{0, 1};

    QObject* ctx_ = nullptr;
    struct Frame {
        QPointer<QWidget> modal;
        int in_pump;
    };
    std::vector<Frame> frames_;
};

} // namespace

std::string MonkeyReport::summary() const
{
    std::ostringstream s;
    s << events << " inputs, " << checks << " checks (" << quiet_checks << " quiet), "
      << program_runs << " program runs, " << games << " games, " << fire_runs
      << " fire runs, " << drives << " drives, " << shop_visits << " shop visits, " << purchases
      << " purchases, " << message_boxes << " message boxes, " << popups << " lists opened, "
      << simulated_sleep_ms / 1000 << " s of pauses skipped; fire runs by game:";
    for (const auto& [typ, n] : fire_runs_by_game)
        s << " (" << typ.first << "," << typ.second << ")=" << n;
    return s.str();
}

MonkeyReport run_monkey(std::uint32_t seed, long events)
{
    Monkey m(seed, events);
    return m.run();
}
