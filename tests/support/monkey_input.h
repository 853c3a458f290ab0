#pragma once
// The monkey's input generation: what input to send next, drawn from the seed, and how it
// reaches the window the way the platform delivers it. The main menu, the settings and
// the battlefield get inputs chosen for what a player does there.
#include "about/tarvana_about.h"
#include "app/tarvana.h"
#include "settings/tarvana_nastaveni.h"
#include "tests/support/monkey_rules.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <initializer_list>
#include <random>

namespace monkey {

class MonkeyInput : protected MonkeyRules {
protected:
    MonkeyInput(std::uint32_t seed, long events) : MonkeyRules(seed, events), rng_(seed) {}

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

    std::mt19937 rng_;
};

} // namespace monkey
