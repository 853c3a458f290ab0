#include "game/modal_dialog.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>

namespace {

// Ends the wait when the window is hidden, however that came about.
class KonecPriSkryti final : public QObject {
public:
    explicit KonecPriSkryti(QEventLoop& smycka) : smycka_(smycka) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            smycka_.quit();
        return false;
    }

private:
    QEventLoop& smycka_;
};

} // namespace

int spust_modalne(QDialog& d)
{
    if (d.windowModality() == Qt::NonModal)
        d.setWindowModality(Qt::ApplicationModal);
    d.setResult(0);
    QPointer<QDialog> okno(&d);
    QEventLoop smycka;
    KonecPriSkryti hlidac(smycka);
    d.installEventFilter(&hlidac);
    QObject::connect(&d, &QDialog::finished, &smycka, &QEventLoop::quit);
    QObject::connect(&d, &QObject::destroyed, &smycka, &QEventLoop::quit);
    d.show();
    if (okno && d.isVisible())
        smycka.exec(QEventLoop::DialogExec);
    if (!okno)
        return 0;
    d.removeEventFilter(&hlidac);
    return d.result();
}
