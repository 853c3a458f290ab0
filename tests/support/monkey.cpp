// The monkey's driver: installs the platform stand-ins, runs the program's event loop,
// and at each input asks the parts what to send and then checks the rules.
#include "tests/support/monkey.h"

#include "app/tarvana_aplikace.h"
#include "game/platform.h"
#include "game/turns.h"
#include "tests/support/monkey_windows.h"
#include "tests/support/stand_ins.h"

#include <QTimer>

#include <memory>

namespace {

using namespace monkey;

// ---- the platform as the monkey plays it (stand_ins.h): nothing sleeps, nothing sounds,
// and every round gets a landscape of its own because the clock moves on at every reading.
class Monkey : MonkeyWindows {
public:
    Monkey(std::uint32_t seed, long events) : MonkeyWindows(seed, events)
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

        while (!stopped_) {
            ++report_.program_runs;
            spust_tarvanu();
            auto ctx = std::make_unique<QObject>();
            ctx_ = ctx.get();
            schedule();
            // A watchdog for windows that will not close: the event loop must end.
            const int limit_ms = static_cast<int>(std::min<long>(120'000 + budget_ * 20, 1'800'000));
            QTimer::singleShot(limit_ms, ctx_, [this, limit_ms] {
                fail("the program did not end within " + std::to_string(limit_ms / 1000) + " s");
                stopped_ = true;
                QCoreApplication::exit(1);
            });
            QApplication::exec();
            ctx.reset();
            ctx_ = nullptr;
            check_nothing_left_open();
            zrus_okna();
            game_ = nullptr;
            shop_ = nullptr;
            if (report_.events >= budget_)
                stopped_ = true;
        }

        report_.simulated_sleep_ms = sleeper_.summed_ms;
        return report_;
    }

    // The battlefield's anti-freeze: a running action lets the window handle its
    // messages. Whatever those messages do, they must not change the game under the
    // action's feet: that would be a second action started inside the first.
    void pump()
    {
        ++in_pump_;
        if (form_hra && probiha_akce) {
            Tform_hra& f = *form_hra;
            const bool let = !f.btn_obchod->isEnabled() && !f.scr_uhel1->isEnabled()
                             && !f.scr_uhel2->isEnabled();
            if (let && !since_quiet_.fire) {
                since_quiet_.fire = true;
                ++report_.fire_runs;
                ++report_.fire_runs_by_game[{game_type_.typ, game_type_.skill}];
            } else if (!let && !since_quiet_.drive && na_tahu >= 0 && na_tahu <= 1
                       && f.scr_uhel(na_tahu)->isEnabled()) {
                since_quiet_.drive = true;
                ++report_.drives;
            }
        }
        const Snapshot pred = Snapshot::now();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const std::string zmena = pred.difference(Snapshot::now());
        if (!zmena.empty())
            fail("the game changed while an action let the window handle its messages: "
                 + zmena);
        --in_pump_;
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
        if (stopped_)
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
            const bool nova_akce = in_pump_ > frames_.back().in_pump;
            const bool nove_okno = std::none_of(frames_.begin(), frames_.end(),
                                                [&](const Frame& f) { return f.modal == modal; });
            if (!nova_akce && !nove_okno)
                return;
        }
        frames_.push_back({modal, in_pump_});
        if (++depth_ > 40) {
            fail("inputs nest more than 40 deep");
            stopped_ = true;
            QCoreApplication::exit(1);
        }
        try {
            observe();
            if (finishing_ || report_.events >= budget_) {
                finishing_ = true;
                finish_step();
            } else {
                act();
            }
            observe();
            check();
        } catch (const std::exception& e) {
            fail(std::string("exception escaped a handler: ") + e.what());
        } catch (...) {
            fail("an exception of unknown type escaped a handler");
        }
        frames_.pop_back();
        --depth_;
    }

    void observe()
    {
        if (form_hra && form_hra->hra_zacala() && form_hra != game_) {
            game_ = form_hra;
            ++report_.games;
            game_type_ = {typ_hry, typ_hry == proti_pocitaci ? obtiznost : -1};
            session_events_ = 0;
            game_counted_ = false;
            baseline_valid_ = false;
        }
        if (game_ && game_->hra_zacala() && nebe)
            round_seen_ = true;
        if (game_ && !game_->isVisible() && !game_counted_) {
            game_counted_ = true;
            const GameType& g = game_types[static_cast<std::size_t>(goal_)];
            if (g.typ == game_type_.typ && g.skill == game_type_.skill)
                goal_ = (goal_ + 1) % static_cast<int>(game_types.size());
        }
        if (form_obchod && form_obchod->isVisible() && form_obchod != shop_) {
            shop_ = form_obchod;
            shop_player_ = form_obchod->hrac_obchodu;
            since_quiet_.shop = true;
            ++report_.shop_visits;
        }
    }

    // ---------------------------------------------------------------- the windows
    void act()
    {
        QWidget* t = top();
        if (!t)
            return;
        if (QApplication::activePopupWidget() == t)
            return act_popup(t);
        if (auto* box = qobject_cast<QMessageBox*>(t))
            return act_message(box);
        if (auto* shop = qobject_cast<Tform_obchod*>(t))
            return act_shop(*shop);
        if (auto* hra = qobject_cast<Tform_hra*>(t)) {
            const bool in_action = in_pump_ > 0 || hra->bezi_akce() || probiha_akce;
            // A shot handles the window's messages at every step of its flight, a drive
            // only once, after its start: a user gets a few inputs into either.
            const bool drive = probiha_akce && na_tahu >= 0 && na_tahu <= 1
                               && hra->scr_uhel(na_tahu)->isEnabled();
            if (in_action && !chance(drive ? 0.5 : 1.0 / 30))
                return;
            return act_battlefield(*hra, in_action);
        }
        if (t == form_nastaveni)
            return act_settings(*form_nastaveni);
        if (t == form_uvod)
            return act_menu(*form_uvod);
        if (t == form_about)
            return act_about(*form_about);
        act_other(t);
    }

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
