#include "game/modal_dialog.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWindow>

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

// Brings a minimised modal window back when its owner comes to the front.
class VratPriAktivaci final : public QObject {
public:
    explicit VratPriAktivaci(QDialog& d) : d_(&d) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::WindowActivate:
        case QEvent::Show:
        case QEvent::WindowStateChange:
            if (d_ && d_->isVisible() && d_->isMinimized())
                QMetaObject::invokeMethod(d_, [d = d_.data()] {
                    d->showNormal();
                    d->raise();
                    d->activateWindow();
                }, Qt::QueuedConnection);
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPointer<QDialog> d_;
};

} // namespace

int spust_modalne(QDialog& d, QWidget* vlastnik)
{
    if (d.windowModality() == Qt::NonModal)
        d.setWindowModality(Qt::ApplicationModal);
    d.setResult(0);
    QPointer<QDialog> okno(&d);
    QEventLoop smycka;
    KonecPriSkryti hlidac(smycka);
    d.installEventFilter(&hlidac);
    VratPriAktivaci navrat(d);
    QPointer<QWidget> majitel(vlastnik ? vlastnik->window() : nullptr);
    if (majitel) {
        d.winId();
        majitel->winId();
        d.windowHandle()->setTransientParent(majitel->windowHandle());
        majitel->installEventFilter(&navrat);
    }
    QObject::connect(&d, &QDialog::finished, &smycka, &QEventLoop::quit);
    QObject::connect(&d, &QObject::destroyed, &smycka, &QEventLoop::quit);
    d.show();
    if (okno && d.isVisible())
        smycka.exec(QEventLoop::DialogExec);
    if (majitel)
        majitel->removeEventFilter(&navrat);
    if (!okno)
        return 0;
    d.removeEventFilter(&hlidac);
    return d.result();
}
