#pragma once
// Answers the modal windows that come up while a test drives the game: each one is
// recorded, handed to an optional hook, and closed.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <ostream>
#include <vector>

class ModalniOkna {
public:
    // Texts of the message boxes, in the order they came up.
    std::vector<QString> zpravy;
    // Every other modal window, in order.
    std::vector<QPointer<QWidget>> okna;
    // Runs on a modal window that is not a message box before it is closed.
    std::function<void(QWidget*)> pri_otevreni;
    // Runs after a message box is closed, before its caller carries on.
    std::function<void()> po_zavreni_zpravy;

    ModalniOkna()
    {
        casovac_.setInterval(5);
        QObject::connect(&casovac_, &QTimer::timeout, [this] { vyrid(); });
        casovac_.start();
    }

private:
    void vyrid()
    {
        QWidget* m = QApplication::activeModalWidget();
        if (!m)
            return;
        // A window may put off its close until its running action ends: ask again.
        if (m == posledni_) {
            m->close();
            return;
        }
        posledni_ = m;
        if (auto* box = qobject_cast<QMessageBox*>(m)) {
            zpravy.push_back(box->text());
        } else {
            okna.emplace_back(m);
            if (pri_otevreni)
                pri_otevreni(m);
        }
        m->close();
        if (!m->isVisible())
            posledni_ = nullptr;
        if (qobject_cast<QMessageBox*>(m) && po_zavreni_zpravy)
            po_zavreni_zpravy();
    }

    QTimer casovac_;
    QPointer<QWidget> posledni_;
};

// Readable failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
