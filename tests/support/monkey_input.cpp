// The monkey's dice and inputs (monkey_parts.h): what to send next, drawn from the seed,
// and how it reaches the window the way the platform delivers it.
#include "tests/support/monkey_parts.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace monkey {

namespace {

std::string describe(QPoint p)
{
    std::ostringstream s;
    s << '(' << p.x() << ',' << p.y() << ')';
    return s.str();
}

} // namespace

int Dice::pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }

bool Dice::chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

int Dice::choose(std::initializer_list<int> weights)
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

QWidget* Inputs::top()
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
    return volne[static_cast<std::size_t>(dice_.pick(static_cast<int>(volne.size())))];
}

void Inputs::note(const QWidget* w, const std::string& what)
{
    std::ostringstream s;
    s << '#' << run_.report.events << " d" << run_.depth << (run_.in_pump ? "p " : " ")
      << (w ? w->window()->metaObject()->className() : "?") << ": " << what;
    if (run_.trace)
        std::fprintf(stderr, "%s\n", s.str().c_str());
    run_.trail.push_back(s.str());
    if (run_.trail.size() > 40)
        run_.trail.pop_front();
}

Qt::MouseButton Inputs::any_button()
{
    static const Qt::MouseButton buttons[]
        = {Qt::LeftButton,   Qt::LeftButton, Qt::LeftButton,   Qt::RightButton,
           Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton};
    return buttons[dice_.pick(static_cast<int>(std::size(buttons)))];
}

Qt::KeyboardModifiers Inputs::any_modifiers()
{
    switch (dice_.choose({16, 1, 1, 1})) {
    case 1: return Qt::ShiftModifier;
    case 2: return Qt::ControlModifier;
    case 3: return Qt::AltModifier;
    default: return Qt::NoModifier;
    }
}

void Inputs::mouse(QWidget* w, QPoint pos, Qt::MouseButton b, Qt::KeyboardModifiers m,
                   bool release_only, const std::string& what)
{
    QWidget* okno = w->window();
    QWindow* handle = okno->windowHandle();
    if (!handle)
        return;
    QPoint p = w->mapTo(okno, pos);
    if (p.isNull())
        p = QPoint(1, 1); // (0, 0) would mean "the centre" to QTest
    ++run_.report.events;
    note(w, what + (release_only ? " release " : " click ") + std::to_string(int(b)) + " at "
                + describe(p));
    if (release_only)
        QTest::mouseRelease(handle, b, m, p);
    else
        QTest::mouseClick(handle, b, m, p);
}

void Inputs::click(QWidget* w, const std::string& what)
{
    if (!w || !w->isVisible())
        return;
    const QRect r = w->rect();
    const QPoint p(r.left() + dice_.pick(std::max(1, r.width())),
                   r.top() + dice_.pick(std::max(1, r.height())));
    mouse(w, p, Qt::LeftButton, Qt::NoModifier, false, what);
}

void Inputs::click_anywhere(QWidget* okno)
{
    const QPoint p(dice_.pick(okno->width()), dice_.pick(okno->height()));
    mouse(okno, p, any_button(), any_modifiers(), dice_.chance(0.2), "anywhere");
}

void Inputs::key(QWidget* okno, Qt::Key k, Qt::KeyboardModifiers m)
{
    QWindow* handle = okno->window()->windowHandle();
    if (!handle)
        return;
    ++run_.report.events;
    std::ostringstream s;
    s << "key " << QKeySequence(QKeyCombination(m, k)).toString().toStdString();
    note(okno, s.str());
    QTest::keyClick(handle, k, m);
}

void Inputs::any_key(QWidget* okno)
{
    static const Qt::Key keys[]
        = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,   Qt::Key_Backtab,   Qt::Key_Space,
           Qt::Key_Escape, Qt::Key_Left,  Qt::Key_Right, Qt::Key_Up,        Qt::Key_Down,
           Qt::Key_PageUp, Qt::Key_Home,  Qt::Key_End,   Qt::Key_Backspace, Qt::Key_Delete,
           Qt::Key_F1,     Qt::Key_F4};
    switch (dice_.choose({6, 4, 3})) {
    case 0: key(okno, keys[dice_.pick(static_cast<int>(std::size(keys)))]); break;
    case 1: key(okno, static_cast<Qt::Key>(Qt::Key_A + dice_.pick(26)), any_modifiers()); break;
    default: {
        static const Qt::Key alt[] = {Qt::Key_P, Qt::Key_O, Qt::Key_S, Qt::Key_N, Qt::Key_K};
        key(okno, alt[dice_.pick(static_cast<int>(std::size(alt)))], Qt::AltModifier);
    }
    }
}

void Inputs::move_scroll_bar(QWidget* okno)
{
    const auto bars = visible_children<QScrollBar>(okno);
    if (bars.empty())
        return click_anywhere(okno);
    QScrollBar* s = bars[static_cast<std::size_t>(dice_.pick(static_cast<int>(bars.size())))];
    const int how = s->isEnabled() ? dice_.choose({4, 3, 3}) : 2;
    if (how == 0) {
        // Dragging the thumb.
        const int v = s->minimum() + dice_.pick(s->maximum() - s->minimum() + 1);
        ++run_.report.events;
        note(s, "drag scroll bar to " + std::to_string(v));
        s->setValue(v);
    } else if (how == 1) {
        static const QAbstractSlider::SliderAction actions[]
            = {QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
               QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
               QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        const auto a = actions[dice_.pick(static_cast<int>(std::size(actions)))];
        ++run_.report.events;
        note(s, "scroll bar action " + std::to_string(int(a)));
        s->triggerAction(a);
    } else {
        click(s, "scroll bar");
    }
}

void Inputs::select_combo(QWidget* okno)
{
    const auto combos = visible_children<QComboBox>(okno);
    if (combos.empty())
        return click_anywhere(okno);
    QComboBox* c = combos[static_cast<std::size_t>(dice_.pick(static_cast<int>(combos.size())))];
    const int how = c->isEnabled() && c->count() > 0 ? dice_.choose({5, 2, 1}) : 2;
    if (how == 0) {
        // A choice from the opened list.
        const int i = dice_.pick(c->count());
        ++run_.report.events;
        note(c, "select item " + std::to_string(i));
        c->setCurrentIndex(i);
        emit c->activated(i);
    } else if (how == 1) {
        click(c, "combo (opens its list)");
    } else {
        click(c, "combo");
    }
}

void Inputs::press(QPushButton* b, Qt::Key accelerator)
{
    if (!b || !b->isVisible())
        return;
    switch (dice_.choose({5, accelerator ? 3 : 0, 1})) {
    case 1: key(b, accelerator, Qt::AltModifier); break;
    case 2:
        if (b->isEnabled() && b->window()->isActiveWindow())
            b->setFocus(Qt::TabFocusReason);
        key(b, dice_.chance(0.5) ? Qt::Key_Space : Qt::Key_Return);
        break;
    default: click(b, b->text().toStdString()); break;
    }
}

void Inputs::close_window(QWidget* w)
{
    ++run_.report.events;
    note(w, "close box");
    w->close();
}

} // namespace monkey
