#include "settings/tarvana_nastaveni.h"

void Tform_nastaveni::btn_serverClick() {}
void Tform_nastaveni::btn_klientClick() {}
void Tform_nastaveni::deaktivuj_sockety() {}
void Tform_nastaveni::zaloz_sit() {}
void Tform_nastaveni::zrus_sit() {}
