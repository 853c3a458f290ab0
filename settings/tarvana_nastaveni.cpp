#include "settings/tarvana_nastaveni.h"

Tform_nastaveni* form_nastaveni = nullptr;

Tform_nastaveni::Tform_nastaveni(QWidget* parent) : QDialog(parent) {}
Tform_nastaveni::~Tform_nastaveni() = default;
void Tform_nastaveni::rdb_clovek_pocitacClick() {}
void Tform_nastaveni::rdb_clovek_clovekClick() {}
void Tform_nastaveni::rdb_internetClick() {}
void Tform_nastaveni::rdb_serverClick() {}
void Tform_nastaveni::rdb_klientClick() {}
void Tform_nastaveni::edt_jmeno1Exit() {}
void Tform_nastaveni::edt_jmeno2Exit() {}
void Tform_nastaveni::btn_okClick() {}
void Tform_nastaveni::CheckBox1Click() {}
bool Tform_nastaveni::eventFilter(QObject* w, QEvent* e) { return QDialog::eventFilter(w, e); }
