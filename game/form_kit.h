#pragma once
// The controls every window is built from. The windows were laid out pixel by pixel, so each
// control is placed by hand: the parent first, then the place, then the text and the rest.
#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

// The font the windows were laid out for.
QFont okno_font();

// Caption, border and font of a window. The border is fixed, with a caption, a system menu
// and a close box; flags add the window's type and any further boxes. With
// Qt::CustomizeWindowHint among them the window asks for these boxes only.
void nastav_okno(QWidget* okno, const QString& titulek, Qt::WindowFlags flags);

// What a screen reader announces of the window's controls, filled in once the window is
// built: a button or a group is named by its caption (without the accelerator marker), a
// control with a hint is described by it. Names and descriptions given before are kept,
// so that controls without a caption can be named where they are made. Labels are left
// to Qt, which reads out their current text.
void zpristupni(QWidget* okno);

// A label of its text's natural size.
QLabel* popisek(QWidget* parent, int x, int y, const QString& text);
// A label filling its box, the text from the top left unless aligned otherwise.
QLabel* popisek(QWidget* parent, int x, int y, int w, int h, const QString& text,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

// A one-line label 13 pixels high, in the window's font or in that font made bold or
// underlined.
enum class Pismo { obycejne, tucne, podtrzene };
// As wide as its text.
QLabel* radek(QWidget* parent, int x, int y, const QString& text,
              Pismo pismo = Pismo::obycejne);
// w pixels wide (w < 0: as wide as its text). A right-aligned text wider than w keeps its
// right edge and grows to the left, so that a wider stand-in font loses none of its first
// letters.
QLabel* radek(QWidget* parent, int x, int y, int w, const QString& text,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
              Pismo pismo = Pismo::obycejne);

QFrame* bevel(QWidget* parent, int x, int y, int w, int h, QFrame::Shadow stin,
              QFrame::Shape tvar = QFrame::Panel);
QGroupBox* skupina(QWidget* parent, int x, int y, int w, int h, const QString& titulek);
QPushButton* tlacitko(QWidget* parent, int x, int y, int w, int h, const QString& text);
QLineEdit* pole(QWidget* parent, int x, int y, int w, int h, const QString& text);
// 17 pixels high and as wide as their text.
QRadioButton* prepinac(QWidget* parent, int x, int y, const QString& text);
QCheckBox* zaskrtavatko(QWidget* parent, int x, int y, const QString& text);
// Which way the number a scroll bar's label shows grows as the slider moves right.
enum class Roste { doprava, doleva };
// Horizontal, over min..max: an arrow moves it by one, a click beside the slider by a page.
// Tab reaches it, a click leaves the focus where it was. Its keys follow what the player
// sees: Left and Right move the slider that way, Home and End to that end, Up and Page Up
// raise the number its label shows, Down and Page Down lower it.
QScrollBar* posuvnik(QWidget* parent, int x, int y, int w, int h, int min, int max,
                     int stranka, Roste roste = Roste::doprava);
