#pragma once
// The standard exception message box: an error that escaped a handler is shown with its
// message, and the program carries on.
#include <QString>

void ukaz_vyjimku(const QString& zprava);
