#include "game/exceptions.h"

#include <QApplication>
#include <QMessageBox>

void ukaz_vyjimku(const QString& zprava)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), zprava,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
