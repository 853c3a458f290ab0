#pragma once
// The controls every window is built from. The windows were laid out pixel by pixel, so each
// control is placed by hand: the parent first, then the place, then the text and the rest.
#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMargins>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <optional>

// The font the windows were laid out for.
QFont okno_font();

// Caption, border and font of a window. The border is fixed, with a caption, a system menu
// and a close box; flags add the window's type and any further boxes. With
// Qt::CustomizeWindowHint among them the window asks for these boxes only.
void nastav_okno(QWidget* okno, const QString& titulek, Qt::WindowFlags flags);

// Where a window stands so that it is centred on the desktop, frame and all. The window
// manager frames a window only after it is shown, so it is first centred with the frame
// the last framed window had, and again with its own once that is known. A window manager
// still starting may report a frame it is still building: the window follows its frame
// as long as it stands where it was put.
class Vystredeni {
public:
    // `posledni_ramecek` is shared by every window of the program: the last frame seen.
    explicit Vystredeni(QMargins& posledni_ramecek) : posledni_(posledni_ramecek) {}

    // The window, `velikost` without its frame, is shown for the first time on the
    // desktop `plocha`: the place of its own top-left corner.
    QPoint ukazano(const QRect& plocha, QSize velikost);
    // Qt reports the frame margins `m` while the window's own top-left corner stands at
    // `kde`: the window's new place when they describe a real frame round the window
    // where it was put, other than the one it was centred with. A window standing
    // elsewhere is left there: the user moved it, or a window manager building a frame
    // holds the window in it away from its place for a moment, and measures it wrongly.
    std::optional<QPoint> ramecek(const QMargins& m, QPoint kde);

private:
    QPoint stred(const QMargins& m);

    QMargins& posledni_;
    QMargins pouzity_;
    QRect plocha_;
    QSize velikost_;
    QPoint polozeno_;
    bool ukazano_ = false;
};

// Whether frame margins describe a frame a window manager has put round the window. While
// a window manager is still starting, Qt can measure a frame it is only building, no
// bigger than a pixel, and reports the window sticking out of it: negative margins.
bool je_ramecek(const QMargins& m);

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
