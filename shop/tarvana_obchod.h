#pragma once
// The shop, created anew for every visit.
#include "shop/shop_rules.h"

#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

class BojistePohled;

class Tform_obchod : public QDialog {
    Q_OBJECT
public:
    explicit Tform_obchod(QWidget* parent = nullptr);

    QGroupBox* grp_zbrane;
    QLabel* lbl_typstrely;
    QLabel* lbl_cena;
    QLabel* lbl_naboje;
    QFrame* bvl_zbrane;
    QPushButton* btn_stredni;
    QLabel* lbl_stredni;
    QLabel* lbl_stredni_cena;
    QLabel* lbl_naboje_stredni;
    QPushButton* btn_velka;
    QLabel* lbl_velka;
    QLabel* lbl_velka_strela;
    QLabel* lbl_naboje_velka;
    QPushButton* btn_mini;
    QLabel* lbl_mini;
    QLabel* lbl_mini_cena;
    QLabel* lbl_naboje_mini;
    QPushButton* btn_mega;
    QLabel* lbl_mega;
    QLabel* lbl_mega_cena;
    QLabel* lbl_naboje_mega;

    QGroupBox* grp_vybaveni;
    QPushButton* btn_benzin;
    QLabel* lbl_benzin;
    QLabel* lbl_benzin_cena;
    QPushButton* btn_energie;
    QLabel* lbl_energie;
    QLabel* lbl_energie_cena;

    QGroupBox* grp_energie;
    QLabel* lbl_stav_energie;
    QGroupBox* grp_nafta;
    QLabel* lbl_stav_nafta;
    QGroupBox* grp_stav_kreditu;
    QLabel* lbl_stav_kredit;

    int hrac_obchodu = 0;       // the shop player, fixed when the shop is shown
    bool zvuk_obchodu = false;  // read from the settings' sound box when shown
    // The battlefield whose status displays the shop reads and writes (the newest one if
    // unset).
    BojistePohled* bojiste = nullptr;
    BojistePohled* hra() const;

    void FormShow();
    void btn_stredniClick();
    void btn_velkaClick();
    void btn_miniClick();
    void btn_megaClick();
    void btn_benzinClick();
    void btn_energieClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // One purchase of z with button b: the credits label pays, the value label gets the
    // amount, and a screen reader hears what the player has now.
    void kup(const Zbozi& z, QLabel* hodnota, QPushButton* b);
};

void obnov_obchod(Tform_obchod& o);

// A status label's text as a whole number: decimals are cut off, anything else is 0.
int cele_cislo(const QString& text);

extern Tform_obchod* form_obchod;
