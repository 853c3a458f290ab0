#pragma once
// The about box: read-only, modeless, created once.
#include <QDialog>
#include <QFrame>
#include <QLabel>

// Shown by the main menu and the about box alike.
inline constexpr const char* text_verze = "Verze 1.24 - 04.09.2004";
inline constexpr const char* adresa_stranek = "tarvana.example.org";

// The top panel that the main menu and the about box share: a raised bevel of the given
// width with the big title and the version, moved dx pixels to the right.
struct Zahlavi {
    QFrame* bevel;
    QLabel* nadpis;
    QLabel* verze;
};
Zahlavi postav_zahlavi(QWidget* okno, int dx, int sirka_bevelu);

class Tform_about : public QDialog {
    Q_OBJECT
public:
    explicit Tform_about(QWidget* parent = nullptr);

    QFrame* bvl_horni;
    QLabel* lbl_about_tarvana;
    QLabel* lbl_about_verze;
    QFrame* Bevel1;
    QLabel* stt_vznik;
    QLabel* stt_co_to_je;
    QLabel* StaticText1;
    QLabel* stt_co_je_cilem;
    QLabel* stt_freeware;
    QLabel* stt_autor;
    QLabel* stt_stranka;
};

extern Tform_about* form_about;
