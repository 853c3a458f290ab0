#include "game/hints.h"

#include <QApplication>
#include <QEvent>
#include <QString>
#include <QWidget>

namespace {

// Swallows tooltip requests application-wide while hints are off.
class HintSwitch final : public QObject {
public:
    bool on = true;
    bool eventFilter(QObject*, QEvent* e) override { return !on && e->type() == QEvent::ToolTip; }
};

HintSwitch& hint_switch()
{
    static HintSwitch* s = [] {
        auto* h = new HintSwitch;
        if (qApp) {
            h->setParent(qApp);
            qApp->installEventFilter(h);
        }
        return h;
    }();
    return *s;
}

} // namespace

void napoveda(QWidget* w, const QString& text)
{
    hint_switch();
    w->setToolTip(text);
    w->setToolTipDuration(napoveda_doba_ms);
}

void zapni_napovedy(bool on) { hint_switch().on = on; }
bool napovedy_zapnuty() { return hint_switch().on; }
