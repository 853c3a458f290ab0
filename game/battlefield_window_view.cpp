// The battlefield window as the game's operations see it: each call is one control of
// the window, written or read.
#include "game/tarvana_hra.h"
#include "game/turns.h"

void Tform_hra::zakaz_ovladani() { ::zakaz_ovladani(*this); }
void Tform_hra::nove_kolo(int zacina) { ::nove_kolo(*this, zacina); }

void Tform_hra::nastav_info(const QString& text) { lbl_infotext->setText(text); }
void Tform_hra::prekresli_info() { lbl_infotext->repaint(); }
void Tform_hra::ukaz_info(bool viditelna) { lbl_infotext->setVisible(viditelna); }

QString Tform_hra::jmeno(int p) const { return lbl_jmeno(p)->text(); }
QString Tform_hra::penize(int p) const { return lbl_penize(p)->text(); }
void Tform_hra::nastav_penize(int p, const QString& text) { lbl_penize(p)->setText(text); }
void Tform_hra::prekresli_penize(int p) { lbl_penize(p)->repaint(); }
int Tform_hra::energie(int p) const { return cgg_energie(p)->progress(); }
void Tform_hra::nastav_energii(int p, int hodnota) { cgg_energie(p)->setProgress(hodnota); }
int Tform_hra::nafta(int p) const { return cgg_nadrz(p)->progress(); }
void Tform_hra::nastav_naftu(int p, int hodnota) { cgg_nadrz(p)->setProgress(hodnota); }
QString Tform_hra::naboje(int p, int druh) const { return lbl_naboje(p, druh)->text(); }

void Tform_hra::nastav_naboje(int p, int druh, const QString& text)
{
    lbl_naboje(p, druh)->setText(text);
}

void Tform_hra::ukaz_naboje(int p, int druh)
{
    for (int k = zakladni_strela; k < pocet_zbrani; ++k)
        lbl_naboje(p, k)->hide();
    QLabel* pocet = lbl_naboje(p, druh);
    pocet->show();
    pocet->repaint();
}

void Tform_hra::nastav_body(int p, int body)
{
    lbl_stav(p)->setText(QString::number(body));
    lbl_stav(p)->repaint();
}

void Tform_hra::nastav_vitr(const QString& text) { lbl_vitr->setText(text); }

bool Tform_hra::ovladani_povoleno(int p) const { return cmb_zbran(p)->isEnabled(); }
void Tform_hra::vyber_zbran(int p, int druh) { cmb_zbran(p)->setCurrentIndex(druh); }
int Tform_hra::poloha_uhlu(int p) const { return scr_uhel(p)->value(); }
void Tform_hra::nastav_polohu_uhlu(int p, int poloha) { scr_uhel(p)->setValue(poloha); }

void Tform_hra::nastav_popisek_uhlu(int p, const QString& text)
{
    lbl_uhel(p)->setText(text);
    lbl_uhel(p)->repaint();
}

void Tform_hra::nastav_polohu_sily(int p, int poloha) { scr_sila(p)->setValue(poloha); }
void Tform_hra::nastav_popisek_sily(int p, const QString& text) { lbl_sila(p)->setText(text); }
