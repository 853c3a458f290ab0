#include "tests/support/monkey.h"

#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "app/tarvana_aplikace.h"
#include "game/platform.h"
#include "game/tarvana_hra.h"
#include "game/turns.h"
#include "settings/tarvana_nastaveni.h"
#include "shop/tarvana_obchod.h"
#include "tests/support/stand_ins.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <array>
#include <deque>
#include <initializer_list>
#include <memory>
#include <random>
#include <sstream>

namespace {

// ---- the platform as the monkey plays it (stand_ins.h): nothing sleeps, nothing sounds,
// and every round gets a landscape of its own because the clock moves on at every reading.

// The game state that only the game's actions may change. Aim (angle, power, weapon)
// is left out: its controls stay usable during a human's drive.
struct Snapshot {
    std::array<PlayerState, 2> h{};
    Heightmap v{};
    std::int32_t bonus = 0;
    std::int32_t tah = 0;

    static Snapshot now()
    {
        Snapshot s;
        s.h = {hrac[0], hrac[1]};
        s.v = vysky;
        s.bonus = bonus_x;
        s.tah = na_tahu;
        return s;
    }

    // Empty when equal, otherwise the first difference.
    std::string difference(const Snapshot& o) const
    {
        std::ostringstream d;
        for (int p = 0; p < 2; ++p) {
            const PlayerState& a = h[p];
            const PlayerState& b = o.h[p];
            const std::pair<const char*, std::pair<int, int>> pole[] = {
                {"penize", {a.penize, b.penize}}, {"energie", {a.energie, b.energie}},
                {"nafta", {a.nafta, b.nafta}},    {"stav", {a.stav, b.stav}},
                {"x", {a.x, b.x}},                {"y", {a.y, b.y}},
                {"naboje[1]", {a.naboje[1], b.naboje[1]}},
                {"naboje[2]", {a.naboje[2], b.naboje[2]}},
                {"naboje[3]", {a.naboje[3], b.naboje[3]}},
                {"naboje[4]", {a.naboje[4], b.naboje[4]}},
            };
            for (const auto& [jmeno, hodnoty] : pole)
                if (hodnoty.first != hodnoty.second) {
                    d << "hrac[" << p << "]." << jmeno << " " << hodnoty.first << " -> "
                      << hodnoty.second;
                    return d.str();
                }
        }
        if (bonus != o.bonus)
            d << "bonus_x " << bonus << " -> " << o.bonus;
        else if (tah != o.tah)
            d << "na_tahu " << tah << " -> " << o.tah;
        else if (v != o.v)
            d << "vysky changed";
        return d.str();
    }
};

// What a shop window shows, read the way the shop reads it.
struct ShopView {
    int kredit = 0;
    int energie = 0;
    int nafta = 0;
    std::array<int, pocet_zbrani> naboje{};

    static ShopView of(const Tform_obchod& o)
    {
        ShopView v;
        v.kredit = cele_cislo(o.lbl_stav_kredit->text());
        v.energie = cele_cislo(o.lbl_stav_energie->text());
        v.nafta = cele_cislo(o.lbl_stav_nafta->text());
        v.naboje[1] = cele_cislo(o.lbl_naboje_stredni->text());
        v.naboje[2] = cele_cislo(o.lbl_naboje_velka->text());
        v.naboje[3] = cele_cislo(o.lbl_naboje_mini->text());
        v.naboje[4] = cele_cislo(o.lbl_naboje_mega->text());
        return v;
    }
    bool operator==(const ShopView&) const = default;
};

// The game types the monkey plays in turn: against the computer at every skill, then
// two humans.
struct GameType {
    int typ;
    int skill;   // -1 for two humans
};
constexpr std::array<GameType, 6> game_types{{{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {0, -1}}};

class Monkey {
public:
    Monkey(std::uint32_t seed, long events)
        : rng_(seed), budget_(events),
          session_budget_(std::clamp<long>(events / 8, 60, 300)),
          goal_(static_cast<int>(seed % game_types.size()))
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

    // ---------------------------------------------------------------- randomness
    int pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    // An index drawn by the given weights.
    int choose(std::initializer_list<int> weights)
    {
        int total = 0;
        for (int w : weights)
            total += std::max(w, 0);
        int r = pick(total);
        int i = 0;
        for (int w : weights) {
            if (r < std::max(w, 0))
                return i;
            r -= std::max(w, 0);
            ++i;
        }
        return 0;
    }

    // ---------------------------------------------------------------- what is on top
    QWidget* top()
    {
        if (QWidget* p = QApplication::activePopupWidget())
            return p;
        if (QWidget* m = QApplication::activeModalWidget())
            return m;
        std::vector<QWidget*> volne;
        if (form_uvod && form_uvod->isVisible())
            volne.push_back(form_uvod);
        if (form_about && form_about->isVisible())
            volne.push_back(form_about);
        if (volne.empty())
            return nullptr;
        return volne[static_cast<std::size_t>(pick(static_cast<int>(volne.size())))];
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

    // ---------------------------------------------------------------- inputs
    void note(const QWidget* w, const std::string& what)
    {
        std::ostringstream s;
        s << '#' << report_.events << " d" << depth_ << (in_pump_ ? "p " : " ")
          << (w ? w->window()->metaObject()->className() : "?") << ": " << what;
        if (trace_)
            std::fprintf(stderr, "%s\n", s.str().c_str());
        trail_.push_back(s.str());
        if (trail_.size() > 40)
            trail_.pop_front();
    }

    static std::string describe(QPoint p)
    {
        std::ostringstream s;
        s << '(' << p.x() << ',' << p.y() << ')';
        return s.str();
    }

    Qt::MouseButton any_button()
    {
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton,
                                                  Qt::LeftButton, Qt::RightButton,
                                                  Qt::MiddleButton, Qt::BackButton,
                                                  Qt::ForwardButton};
        return buttons[pick(static_cast<int>(std::size(buttons)))];
    }

    Qt::KeyboardModifiers any_modifiers()
    {
        switch (choose({16, 1, 1, 1})) {
        case 1: return Qt::ShiftModifier;
        case 2: return Qt::ControlModifier;
        case 3: return Qt::AltModifier;
        default: return Qt::NoModifier;
        }
    }

    // A mouse click (or a lone release) at pos inside w, delivered through w's window
    // the way the platform delivers it, modal blocking included.
    void mouse(QWidget* w, QPoint pos, Qt::MouseButton b, Qt::KeyboardModifiers m,
               bool release_only, const std::string& what)
    {
        QWidget* okno = w->window();
        QWindow* handle = okno->windowHandle();
        if (!handle)
            return;
        QPoint p = w->mapTo(okno, pos);
        if (p.isNull())
            p = QPoint(1, 1);   // (0, 0) would mean "the centre" to QTest
        ++report_.events;
        note(w, what + (release_only ? " release " : " click ") + std::to_string(int(b))
                    + " at " + describe(p));
        if (release_only)
            QTest::mouseRelease(handle, b, m, p);
        else
            QTest::mouseClick(handle, b, m, p);
    }

    void click(QWidget* w, const std::string& what)
    {
        if (!w || !w->isVisible())
            return;
        const QRect r = w->rect();
        const QPoint p(r.left() + pick(std::max(1, r.width())),
                       r.top() + pick(std::max(1, r.height())));
        mouse(w, p, Qt::LeftButton, Qt::NoModifier, false, what);
    }

    void click_anywhere(QWidget* okno)
    {
        const QPoint p(pick(okno->width()), pick(okno->height()));
        mouse(okno, p, any_button(), any_modifiers(), chance(0.2), "anywhere");
    }

    void key(QWidget* okno, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWindow* handle = okno->window()->windowHandle();
        if (!handle)
            return;
        ++report_.events;
        std::ostringstream s;
        s << "key " << QKeySequence(QKeyCombination(m, k)).toString().toStdString();
        note(okno, s.str());
        QTest::keyClick(handle, k, m);
    }

    void any_key(QWidget* okno)
    {
        static const Qt::Key keys[] = {
            Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,     Qt::Key_Backtab, Qt::Key_Space,
            Qt::Key_Escape, Qt::Key_Left,  Qt::Key_Right,   Qt::Key_Up,      Qt::Key_Down,
            Qt::Key_PageUp, Qt::Key_Home,  Qt::Key_End,     Qt::Key_Backspace,
            Qt::Key_Delete, Qt::Key_F1,    Qt::Key_F4};
        switch (choose({6, 4, 3})) {
        case 0: key(okno, keys[pick(static_cast<int>(std::size(keys)))]); break;
        case 1: key(okno, static_cast<Qt::Key>(Qt::Key_A + pick(26)), any_modifiers()); break;
        default: {
            static const Qt::Key alt[] = {Qt::Key_P, Qt::Key_O, Qt::Key_S, Qt::Key_N,
                                          Qt::Key_K};
            key(okno, alt[pick(static_cast<int>(std::size(alt)))], Qt::AltModifier);
        }
        }
    }

    template <class T>
    std::vector<T*> visible_children(QWidget* okno)
    {
        std::vector<T*> v;
        for (T* c : okno->findChildren<T*>())
            if (c->isVisible())
                v.push_back(c);
        return v;
    }

    void move_scroll_bar(QWidget* okno)
    {
        const auto bars = visible_children<QScrollBar>(okno);
        if (bars.empty())
            return click_anywhere(okno);
        QScrollBar* s = bars[static_cast<std::size_t>(pick(static_cast<int>(bars.size())))];
        const int how = s->isEnabled() ? choose({4, 3, 3}) : 2;
        if (how == 0) {
            // Dragging the thumb.
            const int v = s->minimum() + pick(s->maximum() - s->minimum() + 1);
            ++report_.events;
            note(s, "drag scroll bar to " + std::to_string(v));
            s->setValue(v);
        } else if (how == 1) {
            static const QAbstractSlider::SliderAction actions[] = {
                QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
                QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
            const auto a = actions[pick(static_cast<int>(std::size(actions)))];
            ++report_.events;
            note(s, "scroll bar action " + std::to_string(int(a)));
            s->triggerAction(a);
        } else {
            click(s, "scroll bar");
        }
    }

    void select_combo(QWidget* okno)
    {
        const auto combos = visible_children<QComboBox>(okno);
        if (combos.empty())
            return click_anywhere(okno);
        QComboBox* c = combos[static_cast<std::size_t>(pick(static_cast<int>(combos.size())))];
        const int how = c->isEnabled() && c->count() > 0 ? choose({5, 2, 1}) : 2;
        if (how == 0) {
            // A choice from the opened list.
            const int i = pick(c->count());
            ++report_.events;
            note(c, "select item " + std::to_string(i));
            c->setCurrentIndex(i);
            emit c->activated(i);
        } else if (how == 1) {
            click(c, "combo (opens its list)");
        } else {
            click(c, "combo");
        }
    }

    // A button pressed by the mouse, its accelerator, or Enter/Space when it has focus.
    void press(QPushButton* b, Qt::Key accelerator)
    {
        if (!b || !b->isVisible())
            return;
        switch (choose({5, accelerator ? 3 : 0, 1})) {
        case 1: key(b, accelerator, Qt::AltModifier); break;
        case 2:
            if (b->isEnabled() && b->window()->isActiveWindow())
                b->setFocus(Qt::TabFocusReason);
            key(b, chance(0.5) ? Qt::Key_Space : Qt::Key_Return);
            break;
        default: click(b, b->text().toStdString()); break;
        }
    }

    void close_window(QWidget* w)
    {
        ++report_.events;
        note(w, "close box");
        w->close();
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

    bool settings_match_goal() const
    {
        const Tform_nastaveni& n = *form_nastaveni;
        const GameType& g = game_types[static_cast<std::size_t>(goal_)];
        if (g.typ == dva_hraci)
            return n.rdb_clovek_clovek->isChecked();
        const QRadioButton* skill[] = {n.rdb_trenink, n.rdb_zacatecnik, n.rdb_pokrocily,
                                       n.rdb_profesional, n.rdb_expert};
        return n.rdb_clovek_pocitac->isChecked() && skill[g.skill]->isChecked();
    }

    void act_menu(Tform_uvod& m)
    {
        const bool ready = settings_match_goal();
        // Quitting the program (and starting it again) now and then.
        const int quit = chance(1.0 / 40) ? 1 : 0;
        switch (choose({ready ? 8 : 1, ready ? 1 : 8, 1, 2, 2, quit})) {
        case 0:
            if (chance(0.2))
                key(&m, Qt::Key_Return);
            else
                press(m.btn_start, Qt::Key_S);
            break;
        case 1: press(m.btn_nastaveni, Qt::Key_N); break;
        case 2: press(m.btn_about, Qt::Key_O); break;
        case 3: click_anywhere(&m); break;
        case 4: any_key(&m); break;
        default:
            if (chance(0.5))
                press(m.btn_konec, Qt::Key_K);
            else
                close_window(&m);
        }
    }

    void act_settings(Tform_nastaveni& n)
    {
        const bool ready = settings_match_goal();
        switch (choose({ready ? 0 : 4, 4, 3, 2, 2, 3, 3, ready ? 5 : 1, 1})) {
        case 0: {
            const GameType& g = game_types[static_cast<std::size_t>(goal_)];
            QRadioButton* typ = g.typ == dva_hraci ? n.rdb_clovek_clovek : n.rdb_clovek_pocitac;
            if (!typ->isChecked())
                return click(typ, "game type");
            QRadioButton* skill[] = {n.rdb_trenink, n.rdb_zacatecnik, n.rdb_pokrocily,
                                     n.rdb_profesional, n.rdb_expert};
            return click(skill[g.skill], "skill");
        }
        case 1: {
            const auto buttons = visible_children<QAbstractButton>(&n);
            if (!buttons.empty())
                click(buttons[static_cast<std::size_t>(pick(static_cast<int>(buttons.size())))],
                      "a button");
            return;
        }
        case 2: {
            QLineEdit* e = chance(0.5) ? n.edt_jmeno1 : n.edt_jmeno2;
            if (QApplication::focusWidget() != e)
                return click(e, "name field");
            if (chance(0.2))
                return key(&n, Qt::Key_Backspace);
            return key(&n, static_cast<Qt::Key>(Qt::Key_A + pick(26)),
                       chance(0.3) ? Qt::ShiftModifier : Qt::NoModifier);
        }
        case 3: return move_scroll_bar(&n);
        case 4: return select_combo(&n);
        case 5: return click_anywhere(&n);
        case 6: return any_key(&n);
        case 8: {
            // A name wiped out, or made the same as the other one.
            QLineEdit* e = chance(0.5) ? n.edt_jmeno1 : n.edt_jmeno2;
            QLineEdit* druhe = e == n.edt_jmeno1 ? n.edt_jmeno2 : n.edt_jmeno1;
            if (QApplication::focusWidget() != e)
                return click(e, "name field");
            key(&n, Qt::Key_A, Qt::ControlModifier);
            if (chance(0.5))
                return key(&n, Qt::Key_Backspace);
            ++report_.events;
            note(e, "types the other name");
            QTest::keyClicks(n.windowHandle() ? static_cast<QWidget*>(&n) : e, druhe->text());
            return;
        }
        default:
            switch (choose({4, 1, 1, 1, 2})) {
            case 0: return click(n.btn_ok, "OK");
            case 1: return key(&n, Qt::Key_O, Qt::AltModifier);
            case 2: return key(&n, Qt::Key_Return);
            case 3: return key(&n, Qt::Key_Escape);
            default: return close_window(&n);
            }
        }
    }

    // A point of the picture that lies inside the window (the picture is wider).
    QPoint on_picture(Tform_hra& f)
    {
        const QRect r = f.img_krajina->geometry().intersected(f.rect());
        return f.img_krajina->mapFrom(&f, QPoint(r.left() + pick(r.width()),
                                                 r.top() + pick(r.height())));
    }

    void act_battlefield(Tform_hra& f, bool in_action)
    {
        ++session_events_;
        const bool over = session_events_ > session_budget_;
        const int close = in_action ? 1 : over ? 200 : 2;
        switch (choose({close, 100, 80, 30, 50, 80, 50, 30, 40})) {
        case 0: return close_window(&f);
        case 1:
            if (chance(0.15))
                return key(&f, Qt::Key_Return);
            return press(f.btn_pal, Qt::Key_P);
        case 2: {
            // Releasing a button over the battlefield picture drives the tank.
            return mouse(f.img_krajina, on_picture(f), any_button(), any_modifiers(), true,
                         "picture");
        }
        case 3: {
            return mouse(f.img_krajina, on_picture(f), any_button(), any_modifiers(), false,
                         "picture");
        }
        case 4: return click_anywhere(&f);
        case 5: return move_scroll_bar(&f);
        case 6: return select_combo(&f);
        case 7: return press(f.btn_obchod, Qt::Key_O);
        default: return any_key(&f);
        }
    }

    void act_shop(Tform_obchod& o)
    {
        QPushButton* buttons[] = {o.btn_stredni, o.btn_velka, o.btn_mini,
                                  o.btn_mega,    o.btn_benzin, o.btn_energie};
        const ShopView pred = ShopView::of(o);
        switch (choose({12, 3, 3, 2})) {
        case 0: press(buttons[pick(6)], Qt::Key(0)); break;
        case 1: click_anywhere(&o); break;
        case 2: any_key(&o); break;
        default: close_window(&o); break;
        }
        if (QPointer<Tform_obchod>(&o) && form_obchod == &o)
            check_shop_event(o, pred);
    }

    void act_message(QMessageBox* box)
    {
        if (box != last_box_) {
            last_box_ = box;
            ++report_.message_boxes;
        }
        switch (choose({3, 2, 3, 1, 1, 1})) {
        case 0: return key(box, Qt::Key_Return);
        case 1: return key(box, Qt::Key_Escape);
        case 2: {
            const auto buttons = visible_children<QAbstractButton>(box);
            if (!buttons.empty())
                return click(buttons.front(), "message box button");
            return close_window(box);
        }
        case 3: return click_anywhere(box);
        case 4: return key(box, Qt::Key_Space);
        default: return close_window(box);
        }
    }

    void act_popup(QWidget* p)
    {
        if (p != last_popup_) {
            last_popup_ = p;
            ++report_.popups;
        }
        switch (choose({3, 2, 2, 2, 1})) {
        case 0: return key(p, chance(0.5) ? Qt::Key_Down : Qt::Key_Up);
        case 1: return key(p, Qt::Key_Return);
        case 2: return key(p, Qt::Key_Escape);
        case 3: return click(p, "list");
        default: return close_window(p);
        }
    }

    void act_about(Tform_about& a)
    {
        switch (choose({2, 2, 2})) {
        case 0: return click_anywhere(&a);
        case 1: return any_key(&a);
        default: return close_window(&a);
        }
    }

    void act_other(QWidget* w)
    {
        switch (choose({2, 2, 1})) {
        case 0: return click_anywhere(w);
        case 1: return any_key(w);
        default: return close_window(w);
        }
    }

    // Once the inputs are spent: close whatever is open, top first, until the program ends.
    void finish_step()
    {
        if (++finish_steps_ > 20'000) {
            fail("the windows could not be closed");
            stopped_ = true;
            QCoreApplication::exit(1);
            return;
        }
        if (QWidget* p = QApplication::activePopupWidget())
            p->close();
        else if (QWidget* m = QApplication::activeModalWidget())
            m->close();
        else if (form_about && form_about->isVisible())
            form_about->close();
        else if (form_uvod && form_uvod->isVisible())
            form_uvod->close();
    }

    // ---------------------------------------------------------------- the rules
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

    template <class A, class B>
    void expect_eq(const A& a, const B& b, const std::string& what)
    {
        if (!(a == b)) {
            std::ostringstream s;
            s << what << ": " << a << " != " << b;
            fail(s.str());
        }
    }

    void expect(bool ok, const std::string& what)
    {
        if (!ok)
            fail(what);
    }

    static int modal_windows()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += w->isVisible() && w->isModal();
        return n;
    }

    // Rules that hold after every input.
    void check()
    {
        ++report_.checks;
        for (int p = 0; p < 2; ++p) {
            const PlayerState& h = hrac[p];
            const std::string kdo = "hrac[" + std::to_string(p) + "].";
            for (int k = stredni_strela; k < pocet_zbrani; ++k)
                expect(h.naboje[k] >= 0, kdo + "naboje[" + std::to_string(k) + "] = "
                                             + std::to_string(h.naboje[k]));
            expect(h.nafta >= 0 && h.nafta <= plna_nadrz, kdo + "nafta " + std::to_string(h.nafta));
            expect(h.energie <= plna_energie, kdo + "energie " + std::to_string(h.energie));
            if (round_seen_) {
                expect(h.sila >= 10 && h.sila <= 200, kdo + "sila " + std::to_string(h.sila));
                const bool uhel_ok = p == 0 ? h.uhel >= 5 && h.uhel <= 90
                                            : h.uhel >= 90 && h.uhel <= 175;
                expect(uhel_ok, kdo + "uhel " + std::to_string(h.uhel));
            }
        }
        // Player 1 is always a human, and so is player 2 in a game of two.
        expect(hrac[0].penize >= 0, "player 1's credits " + std::to_string(hrac[0].penize));
        if (game_ && typ_hry == dva_hraci)
            expect(hrac[1].penize >= 0, "player 2's credits " + std::to_string(hrac[1].penize));
        expect(vitr >= -5 && vitr <= 5, "vitr " + std::to_string(vitr));
        if (round_seen_) {
            for (int c = 0; c <= W; ++c)
                if (vysky[c] < 250 || vysky[c] > H) {
                    fail("vysky[" + std::to_string(c) + "] = " + std::to_string(vysky[c]));
                    break;
                }
        }
        if (!form_hra || !form_hra->bezi_akce())
            expect(!probiha_akce, "probiha_akce set while no action runs");
        expect(modal_windows() <= 3, "more than three modal windows open");
        if (form_hra && form_hra->isVisible() && form_hra->hra_zacala()) {
            Tform_hra& f = *form_hra;
            for (int p = 0; p < 2; ++p) {
                const Gauge* e = f.cgg_energie(p);
                const Gauge* n = f.cgg_nadrz(p);
                expect(e->progress() >= 0 && e->progress() <= plna_energie, "energy gauge");
                expect(n->progress() >= 0 && n->progress() <= plna_nadrz, "fuel gauge");
                for (int k = stredni_strela; k < pocet_zbrani; ++k)
                    expect(cele_cislo(f.lbl_naboje(p, k)->text()) >= 0, "a negative count shown");
            }
        }
        if (quiet())
            check_quiet(*form_hra);
    }

    // The battlefield waits for its player: nothing runs and nothing is on top of it.
    bool quiet() const
    {
        Tform_hra* f = form_hra;
        return f && f == game_ && f->isVisible() && f->hra_zacala() && nebe && !f->bezi_akce()
               && !probiha_akce && !f->zavira_se() && in_pump_ == 0
               && QApplication::activeModalWidget() == f;
    }

    void check_quiet(Tform_hra& f)
    {
        ++report_.quiet_checks;
        const Snapshot ted = Snapshot::now();
        if (typ_hry == proti_pocitaci)
            expect_eq(na_tahu, 0, "the computer's turn is not over");
        const int aktivni = na_tahu;
        for (int p = 0; p < 2; ++p) {
            const PlayerState& h = hrac[p];
            const std::string kdo = "player " + std::to_string(p + 1) + " ";
            expect_eq(h.y, vysky[static_cast<std::size_t>(std::clamp(h.x - 15, 0, W))] + 1,
                      kdo + "does not stand on its centre column at x " + std::to_string(h.x));
            if (p == 0)
                expect(h.x >= 40 && h.x <= 298, kdo + "x " + std::to_string(h.x));
            else
                expect(h.x >= 492 && h.x <= W, kdo + "x " + std::to_string(h.x));
            expect(h.energie > 0, kdo + "has no energy, but no new round began");
            expect_eq(f.lbl_penize(p)->text().toStdString(), std::to_string(h.penize),
                      kdo + "money label");
            expect_eq(f.cgg_energie(p)->progress(), std::clamp(h.energie, 0, plna_energie),
                      kdo + "energy gauge");
            expect_eq(f.cgg_nadrz(p)->progress(), h.nafta, kdo + "fuel gauge");
            expect_eq(f.lbl_stav(p)->text().toStdString(), std::to_string(h.stav),
                      kdo + "score label");
            for (int k = stredni_strela; k < pocet_zbrani; ++k)
                expect_eq(f.lbl_naboje(p, k)->text().toStdString(), std::to_string(h.naboje[k]),
                          kdo + "count label " + std::to_string(k));
            expect_eq(f.lbl_sila(p)->text().toStdString(), std::to_string(h.sila),
                      kdo + "power label");
            expect_eq(f.scr_sila(p)->value(), h.sila, kdo + "power bar");
            const bool clovek = p == 0 || typ_hry == dva_hraci;
            if (clovek) {
                // (The computer may fire at an angle its bar does not show.)
                const int uhel = p == 0 ? 90 - f.scr_uhel1->value()
                                        : std::abs(f.scr_uhel2->value() - 90) + 90;
                expect_eq(uhel, h.uhel, kdo + "angle bar");
                expect_eq(f.cmb_zbran(p)->currentIndex(), h.zbran, kdo + "weapon box");
                for (int k = 0; k < pocet_zbrani; ++k)
                    expect_eq(f.lbl_naboje(p, k)->isVisibleTo(&f), k == h.zbran,
                              kdo + "count label shown for kind " + std::to_string(k));
            }
            const bool na_rade = clovek && p == aktivni;
            for (QWidget* w : {static_cast<QWidget*>(f.scr_uhel(p)),
                               static_cast<QWidget*>(f.scr_sila(p)),
                               static_cast<QWidget*>(f.cmb_zbran(p))})
                expect_eq(w->isEnabled(), na_rade,
                          kdo + w->metaObject()->className() + " enabled");
        }
        if (aktivni == 0 || typ_hry == dva_hraci) {
            expect(f.btn_obchod->isEnabled(), "the shop button is off during a human's turn");
            expect_eq(f.btn_pal->isEnabled(), muze_strilet(aktivni),
                      "fire button enabled vs the selected weapon's stock");
        }
        if (bonus_x != 0)
            expect(bonus_x >= 15 && bonus_x <= W - 16 && (bonus_x < 298 || bonus_x > 492),
                   "a crate at column " + std::to_string(bonus_x));

        if (baseline_valid_) {
            // A human's credits move only by the game's rules.
            for (int p = 0; p < 2; ++p) {
                if (p == 1 && typ_hry != dva_hraci)
                    continue;
                const bool nakupoval = since_quiet_.shop && shop_ && shop_player_ == p;
                const int zaklad = nakupoval ? cele_cislo(shop_->lbl_stav_kredit->text())
                                             : baseline_.h[p].penize;
                const int zisk = hrac[p].penize - zaklad;
                std::ostringstream s;
                s << "player " << p + 1 << "'s credits " << zaklad << " -> " << hrac[p].penize;
                if (since_quiet_.fire)
                    expect(zisk >= 0 && zisk % 5 == 0, s.str() + " in a shot");
                else if (since_quiet_.drive)
                    expect(zisk >= 0 && zisk % 1000 == 0, s.str() + " in a drive");
                else
                    expect_eq(zisk, 0, s.str() + " with no shot or drive");
            }
            // Without a shot or a drive nothing but a purchase changes the game.
            if (!since_quiet_.fire && !since_quiet_.drive) {
                Snapshot ocekavany = baseline_;
                if (since_quiet_.shop && shop_) {
                    const ShopView v = ShopView::of(*shop_);
                    PlayerState& h = ocekavany.h[static_cast<std::size_t>(shop_player_)];
                    h.penize = v.kredit;
                    h.energie = v.energie;
                    h.nafta = v.nafta;
                    for (int k = stredni_strela; k < pocet_zbrani; ++k)
                        h.naboje[k] = v.naboje[k];
                }
                const std::string zmena = ocekavany.difference(ted);
                expect(zmena.empty(), "changed without a shot or a drive: " + zmena);
            }
        }
        baseline_ = ted;
        baseline_valid_ = true;
        since_quiet_ = {};
    }

    // One input in the shop buys at most one thing, at its price, within its cap, and
    // the battlefield shows the result at once.
    void check_shop_event(Tform_obchod& o, const ShopView& pred)
    {
        const ShopView po = ShopView::of(o);
        const int cena = pred.kredit - po.kredit;
        ShopView ocekavany = pred;
        ocekavany.kredit = po.kredit;
        bool znama_cena = cena == 0;
        for (int k = stredni_strela; k < pocet_zbrani; ++k)
            if (cena == cena_strely[k]) {
                ocekavany.naboje[k] += 1;
                znama_cena = true;
            }
        if (cena == cena_nafty) {
            expect(pred.nafta < plna_nadrz, "fuel bought into a full tank");
            ocekavany.nafta = std::min(pred.nafta + davka_nafty, plna_nadrz);
            znama_cena = true;
        }
        if (cena == cena_energie) {
            expect(pred.energie < plna_energie, "energy bought at full energy");
            ocekavany.energie = std::min(pred.energie + davka_energie, plna_energie);
            znama_cena = true;
        }
        expect(znama_cena, "a purchase for " + std::to_string(cena) + " credits");
        if (znama_cena)
            expect(ocekavany == po, "the shop's values after a purchase of "
                                        + std::to_string(cena));
        if (cena != 0)
            ++report_.purchases;
        expect(po.kredit >= 0, "shop credits " + std::to_string(po.kredit));

        if (!o.isVisible())
            return;
        const std::pair<QPushButton*, bool> tlacitka[] = {
            {o.btn_stredni, po.kredit >= cena_strely[1]},
            {o.btn_velka, po.kredit >= cena_strely[2]},
            {o.btn_mini, po.kredit >= cena_strely[3]},
            {o.btn_mega, po.kredit >= cena_strely[4]},
            {o.btn_benzin, po.kredit >= cena_nafty && po.nafta < plna_nadrz},
            {o.btn_energie, po.kredit >= cena_energie && po.energie < plna_energie},
        };
        for (const auto& [b, zapnuto] : tlacitka)
            expect_eq(b->isEnabled(), zapnuto, "shop button " + b->objectName().toStdString()
                                                   + " at " + std::to_string(po.kredit));
        if (auto* f = dynamic_cast<Tform_hra*>(o.hra())) {
            const int p = o.hrac_obchodu;
            expect_eq(cele_cislo(f->lbl_penize(p)->text()), po.kredit, "battlefield credits");
            expect_eq(f->cgg_energie(p)->progress(), po.energie, "battlefield energy");
            expect_eq(f->cgg_nadrz(p)->progress(), po.nafta, "battlefield fuel");
            for (int k = stredni_strela; k < pocet_zbrani; ++k)
                expect_eq(cele_cislo(f->lbl_naboje(p, k)->text()), po.naboje[k],
                          "battlefield count " + std::to_string(k));
        }
    }

    // When the program has ended, no window may still be open or waiting.
    void check_nothing_left_open()
    {
        expect(QApplication::activeModalWidget() == nullptr, "a modal window is left waiting");
        expect(QApplication::activePopupWidget() == nullptr, "a popup is left open");
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::ToolTip)
                fail(std::string("a window is left open: ") + w->metaObject()->className());
    }

    std::mt19937 rng_;
    RecordingSleeper sleeper_ = RecordingSleeper::summing();
    RecordingPump pump_;
    RecordingSound sound_ = RecordingSound::silent();
    ScriptedRandom random_;
    SteppingClock clock_{0, 1};

    MonkeyReport report_;
    long budget_;
    long session_budget_;
    long session_events_ = 0;
    int goal_;
    GameType game_type_{1, 2};
    bool game_counted_ = true;
    bool stopped_ = false;
    bool finishing_ = false;
    long finish_steps_ = 0;
    int depth_ = 0;
    int in_pump_ = 0;
    bool round_seen_ = false;
    QObject* ctx_ = nullptr;
    QPointer<Tform_hra> game_;
    QPointer<Tform_obchod> shop_;
    int shop_player_ = 0;
    QPointer<QMessageBox> last_box_;
    QPointer<QWidget> last_popup_;
    std::deque<std::string> trail_;
    const bool trace_ = qEnvironmentVariableIsSet("TARVANA_MONKEY_TRACE");
    struct Frame {
        QPointer<QWidget> modal;
        int in_pump;
    };
    std::vector<Frame> frames_;

    struct SinceQuiet {
        bool fire = false;
        bool drive = false;
        bool shop = false;
    } since_quiet_;
    Snapshot baseline_;
    bool baseline_valid_ = false;
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
