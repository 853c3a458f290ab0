#include "settings/tarvana_nastaveni.h"

void Tform_nastaveni::btn_serverClick() {}
void Tform_nastaveni::btn_klientClick() {}
void Tform_nastaveni::deaktivuj_sockety() {}
void Tform_nastaveni::zaloz_sit() {}
void Tform_nastaveni::zrus_sit() {}
void Tform_nastaveni::client_socketLookup() {}
void Tform_nastaveni::client_socketConnecting() {}
void Tform_nastaveni::client_socketConnect() {}
void Tform_nastaveni::client_socketDisconnect() {}
void Tform_nastaveni::client_socketError() {}
void Tform_nastaveni::client_socketRead() {}
void Tform_nastaveni::client_socketWrite() {}
void Tform_nastaveni::server_socketListen() {}
void Tform_nastaveni::server_socketAccept() {}
void Tform_nastaveni::server_socketClientConnect(QTcpSocket*) {}
void Tform_nastaveni::server_socketClientDisconnect(QTcpSocket*) {}
void Tform_nastaveni::server_socketClientError(QTcpSocket*) {}
void Tform_nastaveni::server_socketClientRead(QTcpSocket*) {}
void Tform_nastaveni::server_socketClientWrite(QTcpSocket*) {}
void Tform_nastaveni::server_socketGetSocket() {}
void Tform_nastaveni::server_socketGetThread() {}
void Tform_nastaveni::server_socketThreadStart() {}
void Tform_nastaveni::server_socketThreadEnd() {}
