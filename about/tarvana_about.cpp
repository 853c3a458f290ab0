#include "about/tarvana_about.h"

Tform_about* form_about = nullptr;

Tform_about::Tform_about(QWidget* parent) : QDialog(parent) {}
