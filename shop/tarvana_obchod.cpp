#include "shop/tarvana_obchod.h"

Tform_obchod* form_obchod = nullptr;

Tform_obchod::Tform_obchod(QWidget* parent) : QDialog(parent) {}
void Tform_obchod::FormShow() {}
void Tform_obchod::btn_stredniClick() {}
void Tform_obchod::btn_velkaClick() {}
void Tform_obchod::btn_miniClick() {}
void Tform_obchod::btn_megaClick() {}
void Tform_obchod::btn_benzinClick() {}
void Tform_obchod::btn_energieClick() {}
void Tform_obchod::showEvent(QShowEvent* e) { QDialog::showEvent(e); }
void obnov_obchod(Tform_obchod&) {}
