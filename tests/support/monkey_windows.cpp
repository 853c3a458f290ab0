// The monkey's player of each window (monkey_parts.h).
#include "tests/support/monkey_parts.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace monkey {

bool WindowPlayer::settings_match_goal() const
{
    const Tform_nastaveni& n = *form_nastaveni;
    const GameType& g = game_types[static_cast<std::size_t>(run_.goal)];
    if (g.typ == dva_hraci)
        return n.rdb_clovek_clovek->isChecked();
    const QRadioButton* skill[]
        = {n.rdb_trenink, n.rdb_zacatecnik, n.rdb_pokrocily, n.rdb_profesional, n.rdb_expert};
    return n.rdb_clovek_pocitac->isChecked() && skill[g.skill]->isChecked();
}

void WindowPlayer::act_menu(Tform_uvod& m)
{
    const bool ready = settings_match_goal();
    // Quitting the program (and starting it again) now and then.
    const int quit = dice_.chance(1.0 / 40) ? 1 : 0;
    switch (dice_.choose({ready ? 8 : 1, ready ? 1 : 8, 1, 2, 2, quit})) {
    case 0:
        if (dice_.chance(0.2))
            in_.key(&m, Qt::Key_Return);
        else
            in_.press(m.btn_start, Qt::Key_S);
        break;
    case 1: in_.press(m.btn_nastaveni, Qt::Key_N); break;
    case 2: in_.press(m.btn_about, Qt::Key_O); break;
    case 3: in_.click_anywhere(&m); break;
    case 4: in_.any_key(&m); break;
    default:
        if (dice_.chance(0.5))
            in_.press(m.btn_konec, Qt::Key_K);
        else
            in_.close_window(&m);
    }
}

void WindowPlayer::act_settings(Tform_nastaveni& n)
{
    const bool ready = settings_match_goal();
    switch (dice_.choose({ready ? 0 : 4, 4, 3, 2, 2, 3, 3, ready ? 5 : 1, 1})) {
    case 0: {
        const GameType& g = game_types[static_cast<std::size_t>(run_.goal)];
        QRadioButton* typ = g.typ == dva_hraci ? n.rdb_clovek_clovek : n.rdb_clovek_pocitac;
        if (!typ->isChecked())
            return in_.click(typ, "game type");
        QRadioButton* skill[]
            = {n.rdb_trenink, n.rdb_zacatecnik, n.rdb_pokrocily, n.rdb_profesional, n.rdb_expert};
        return in_.click(skill[g.skill], "skill");
    }
    case 1: {
        const auto buttons = in_.visible_children<QAbstractButton>(&n);
        if (!buttons.empty())
            in_.click(
                buttons[static_cast<std::size_t>(dice_.pick(static_cast<int>(buttons.size())))],
                "a button");
        return;
    }
    case 2: {
        QLineEdit* e = dice_.chance(0.5) ? n.edt_jmeno1 : n.edt_jmeno2;
        if (QApplication::focusWidget() != e)
            return in_.click(e, "name field");
        if (dice_.chance(0.2))
            return in_.key(&n, Qt::Key_Backspace);
        return in_.key(&n, static_cast<Qt::Key>(Qt::Key_A + dice_.pick(26)),
                       dice_.chance(0.3) ? Qt::ShiftModifier : Qt::NoModifier);
    }
    case 3: return in_.move_scroll_bar(&n);
    case 4: return in_.select_combo(&n);
    case 5: return in_.click_anywhere(&n);
    case 6: return in_.any_key(&n);
    case 8: {
        // A name wiped out, or made the same as the other one.
        QLineEdit* e = dice_.chance(0.5) ? n.edt_jmeno1 : n.edt_jmeno2;
        QLineEdit* druhe = e == n.edt_jmeno1 ? n.edt_jmeno2 : n.edt_jmeno1;
        if (QApplication::focusWidget() != e)
            return in_.click(e, "name field");
        in_.key(&n, Qt::Key_A, Qt::ControlModifier);
        if (dice_.chance(0.5))
            return in_.key(&n, Qt::Key_Backspace);
        ++run_.report.events;
        in_.note(e, "types the other name");
        QTest::keyClicks(n.windowHandle() ? static_cast<QWidget*>(&n) : e, druhe->text());
        return;
    }
    default:
        switch (dice_.choose({4, 1, 1, 1, 2})) {
        case 0: return in_.click(n.btn_ok, "OK");
        case 1: return in_.key(&n, Qt::Key_O, Qt::AltModifier);
        case 2: return in_.key(&n, Qt::Key_Return);
        case 3: return in_.key(&n, Qt::Key_Escape);
        default: return in_.close_window(&n);
        }
    }
}

QPoint WindowPlayer::on_picture(Tform_hra& f)
{
    const QRect r = f.img_krajina->geometry().intersected(f.rect());
    return f.img_krajina->mapFrom(
        &f, QPoint(r.left() + dice_.pick(r.width()), r.top() + dice_.pick(r.height())));
}

void WindowPlayer::act_battlefield(Tform_hra& f, bool in_action)
{
    ++run_.session_events;
    const bool over = run_.session_events > run_.session_budget;
    const int close = in_action ? 1 : over ? 200 : 2;
    switch (dice_.choose({close, 100, 80, 30, 50, 80, 50, 30, 40})) {
    case 0: return in_.close_window(&f);
    case 1:
        if (dice_.chance(0.15))
            return in_.key(&f, Qt::Key_Return);
        return in_.press(f.btn_pal, Qt::Key_P);
    case 2: {
        // Releasing a button over the battlefield picture drives the tank.
        return in_.mouse(f.img_krajina, on_picture(f), in_.any_button(), in_.any_modifiers(), true,
                         "picture");
    }
    case 3: {
        return in_.mouse(f.img_krajina, on_picture(f), in_.any_button(), in_.any_modifiers(), false,
                         "picture");
    }
    case 4: return in_.click_anywhere(&f);
    case 5: return in_.move_scroll_bar(&f);
    case 6: return in_.select_combo(&f);
    case 7: return in_.press(f.btn_obchod, Qt::Key_O);
    default: return in_.any_key(&f);
    }
}

void WindowPlayer::act_shop(Tform_obchod& o)
{
    QPushButton* buttons[]
        = {o.btn_stredni, o.btn_velka, o.btn_mini, o.btn_mega, o.btn_benzin, o.btn_energie};
    const ShopView pred = ShopView::of(o);
    switch (dice_.choose({12, 3, 3, 2})) {
    case 0: in_.press(buttons[dice_.pick(6)], Qt::Key(0)); break;
    case 1: in_.click_anywhere(&o); break;
    case 2: in_.any_key(&o); break;
    default: in_.close_window(&o); break;
    }
    if (QPointer<Tform_obchod>(&o) && form_obchod == &o)
        rules_.check_shop_event(o, pred);
}

void WindowPlayer::act_message(QMessageBox* box)
{
    if (box != run_.last_box) {
        run_.last_box = box;
        ++run_.report.message_boxes;
    }
    switch (dice_.choose({3, 2, 3, 1, 1, 1})) {
    case 0: return in_.key(box, Qt::Key_Return);
    case 1: return in_.key(box, Qt::Key_Escape);
    case 2: {
        const auto buttons = in_.visible_children<QAbstractButton>(box);
        if (!buttons.empty())
            return in_.click(buttons.front(), "message box button");
        return in_.close_window(box);
    }
    case 3: return in_.click_anywhere(box);
    case 4: return in_.key(box, Qt::Key_Space);
    default: return in_.close_window(box);
    }
}

void WindowPlayer::act_popup(QWidget* p)
{
    if (p != run_.last_popup) {
        run_.last_popup = p;
        ++run_.report.popups;
    }
    switch (dice_.choose({3, 2, 2, 2, 1})) {
    case 0: return in_.key(p, dice_.chance(0.5) ? Qt::Key_Down : Qt::Key_Up);
    case 1: return in_.key(p, Qt::Key_Return);
    case 2: return in_.key(p, Qt::Key_Escape);
    case 3: return in_.click(p, "list");
    default: return in_.close_window(p);
    }
}

void WindowPlayer::act_about(Tform_about& a)
{
    switch (dice_.choose({2, 2, 2})) {
    case 0: return in_.click_anywhere(&a);
    case 1: return in_.any_key(&a);
    default: return in_.close_window(&a);
    }
}

void WindowPlayer::act_other(QWidget* w)
{
    switch (dice_.choose({2, 2, 1})) {
    case 0: return in_.click_anywhere(w);
    case 1: return in_.any_key(w);
    default: return in_.close_window(w);
    }
}

void WindowPlayer::finish_step()
{
    if (++finish_steps_ > 20'000) {
        run_.fail("the windows could not be closed");
        run_.stopped = true;
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

} // namespace monkey
