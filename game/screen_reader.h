#pragma once
// What a screen reader is told beyond the names and hints of the controls. Orca reads out
// the control that gets the focus and a notification that appears; a label's new text or a
// changed description it does not read (Qt sends the object instead of the new text with
// such a change), so a message for the ear is a notification.
#include <QStringList>

class QComboBox;
class QProgressBar;
class QScrollBar;
class QWidget;

// A screen reader announces text at once, wherever the focus is in w's window; nothing on
// the screen changes.
void ohlas(QWidget* w, const QString& text);
// The last announcements in w's window, the oldest first.
QStringList posledni_ohlasy(const QWidget* w);

// Qt names a combo box by its current item: the box is described by its own name (whose
// box it is), and a change of item is announced while the box has the focus.
void popis_vyberem(QComboBox* c);

// A scroll bar whose label shows soucet - position: its accessible value is the number
// the label shows, over the range the label can show. Before the bar's first change:
// a screen reader's view of a control is made once.
void hodnota_zrcadlem(QScrollBar* s, int soucet);

// A gauge's accessible value reads "175 z 200" rather than a percentage. Before its first
// change, likewise.
void hodnota_z_celku(QProgressBar* g);
