#pragma once
// The monkey's answers to the windows that come up over the battlefield and the menu:
// the shop, message boxes, open lists, the about box and anything else modal, and the
// closing of them all once the inputs are spent.
#include "tests/support/monkey_input.h"

namespace monkey {

class MonkeyWindows : protected MonkeyInput {
protected:
    using MonkeyInput::MonkeyInput;

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

    long finish_steps_ = 0;
};

} // namespace monkey
