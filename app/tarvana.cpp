#include "app/tarvana.h"

#include "about/tarvana_about.h"
#include "game/form_kit.h"
#include "game/hints.h"
#include "game/modal_dialog.h"
#include "game/tarvana_hra.h"
#include "settings/tarvana_nastaveni.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyle>
#include <utility>

Tform_uvod* form_uvod = nullptr;

namespace {

// The hint pause; the hint hide pause is given to each control by napoveda().
class CasovaniNapoved final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* navrat) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return napoveda_prodleva_ms;
        return QProxyStyle::styleHint(hint, option, widget, navrat);
    }
};

QPushButton* tlacitko_menu(QWidget* parent, int x, int y, const QString& text,
                           QStyle::StandardPixmap glyf, const QString& hint)
{
    auto* b = tlacitko(parent, x, y, 120, 33, text);
    b->setIcon(parent->style()->standardIcon(glyf, nullptr, b));
    // Enter clicks the focused button, as in a dialog.
    b->setAutoDefault(true);
    napoveda(b, hint);
    return b;
}

} // namespace

void nastav_casovani_napoved()
{
    if (!dynamic_cast<CasovaniNapoved*>(QApplication::style()))
        QApplication::setStyle(new CasovaniNapoved);
}

Tform_uvod::Tform_uvod(QWidget* parent) : QWidget(parent)
{
    nastav_casovani_napoved();

    nastav_okno(this, QStringLiteral("Tarvana - Mervoss"),
                Qt::Window | Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFixedSize(292, 208);

    const Zahlavi z = postav_zahlavi(this, 0, 281);
    bvl_horni = z.bevel;
    lbl_tarvana = z.nadpis;
    lbl_verze = z.verze;
    napoveda(lbl_verze, QStringLiteral("Nejnovejsi verze Tarvana lze nalezt na strankach ") +
                            QString::fromLatin1(adresa_stranek));
    bvl_spodni = bevel(this, 6, 112, 281, 89, QFrame::Raised);

    btn_start = tlacitko_menu(this, 20, 120, QStringLiteral("&Start hry"),
                              QStyle::SP_DialogOkButton,
                              QStringLiteral("Spusti hru - typ hry dle nastaveni."));
    btn_about = tlacitko_menu(this, 152, 120, QStringLiteral("&O programu"),
                              QStyle::SP_DialogHelpButton,
                              QStringLiteral("Zobrazi podrobnejsi informace o verzi programu."));
    // Not every style draws an ignore glyph; cancel is the nearest stock one.
    const auto ignoruj = style()->standardIcon(QStyle::SP_DialogIgnoreButton).isNull()
                             ? QStyle::SP_DialogCancelButton
                             : QStyle::SP_DialogIgnoreButton;
    btn_nastaveni = tlacitko_menu(this, 20, 160, QStringLiteral("&Nastaveni"), ignoruj,
                                  QStringLiteral("Zobrazi podrobne nastaveni - typ hry, obtiznost, jmena hracu."));
    btn_konec = tlacitko_menu(this, 152, 160, QStringLiteral("&Konec"),
                              QStyle::SP_DialogCloseButton, QStringLiteral("Ukonci hru."));
    btn_start->setDefault(true);

    setTabOrder(btn_start, btn_nastaveni);
    setTabOrder(btn_nastaveni, btn_about);
    setTabOrder(btn_about, btn_konec);
    btn_start->setFocus();

    connect(btn_start, &QPushButton::clicked, this, &Tform_uvod::btn_startClick);
    connect(btn_nastaveni, &QPushButton::clicked, this, &Tform_uvod::btn_nastaveniClick);
    connect(btn_about, &QPushButton::clicked, this, &Tform_uvod::btn_aboutClick);
    connect(btn_konec, &QPushButton::clicked, this, &Tform_uvod::btn_konecClick);

    zpristupni(this);
}

bool Tform_uvod::v_popredi() const
{
    // An accelerator clicks its button 100 ms after the key (the button shows itself
    // pressed meanwhile). If Enter started a game or opened the settings in between,
    // that late click arrives while the menu is hidden behind them: starting a second
    // game would release the battlefield that is still running.
    // A window just closed is hidden before its exec returns; a click handled in between
    // must not open another one on top of the closing one.
    return isVisible() && QApplication::activeModalWidget() == nullptr && okna_vpredu_ == 0;
}

void Tform_uvod::btn_startClick()
{
    if (!v_popredi())
        return;
    // Each game gets a battlefield fresh from its design. The one of the last game is
    // released here rather than kept hidden for the rest of the run.
    delete std::exchange(form_hra, nullptr);
    form_hra = new Tform_hra;
    hide();
    ++okna_vpredu_;
    spust_modalne(*form_hra);
    --okna_vpredu_;
    show();
}

void Tform_uvod::btn_nastaveniClick()
{
    if (!v_popredi())
        return;
    ++okna_vpredu_;
    spust_modalne(*form_nastaveni, this);
    --okna_vpredu_;
}

void Tform_uvod::btn_aboutClick()
{
    if (!v_popredi())
        return;
    form_about->show();
    form_about->raise();
    form_about->activateWindow();
}

// The stock close button: it closes the main menu, which ends the program.
void Tform_uvod::btn_konecClick()
{
    if (v_popredi())
        close();
}

void Tform_uvod::keyPressEvent(QKeyEvent* e)
{
    // With no button focused, Enter still starts a game: "Start hry" is the default.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        btn_start->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void Tform_uvod::closeEvent(QCloseEvent* e)
{
    QWidget::closeEvent(e);
    // The main menu is the main window: the about box may still be open, but the
    // program ends all the same.
    QCoreApplication::quit();
}
