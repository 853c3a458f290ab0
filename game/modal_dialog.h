#pragma once
// Running a window modally.
#include <QDialog>

// Shows d modally and waits until it is closed, like QDialog::exec, and returns its
// result. Unlike exec, a window closed while it was being shown (its own show brought up
// a message box, and input handled there closed it) is not waited for: exec would go on
// waiting for a close that has already happened, with the window hidden.
// With an owner, d is the owner's transient on the desktop: the window manager keeps it
// over its owner, and a minimised d comes back whenever the owner is shown or activated
// (the owner itself takes no input while d runs).
int spust_modalne(QDialog& d, QWidget* vlastnik = nullptr);
