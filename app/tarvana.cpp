#include "app/tarvana.h"

Tform_uvod* form_uvod = nullptr;

Tform_uvod::Tform_uvod(QWidget* parent) : QWidget(parent) {}
void Tform_uvod::btn_startClick() {}
void Tform_uvod::btn_nastaveniClick() {}
void Tform_uvod::btn_aboutClick() {}
void Tform_uvod::btn_konecClick() {}
void Tform_uvod::keyPressEvent(QKeyEvent* e) { QWidget::keyPressEvent(e); }
