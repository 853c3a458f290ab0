#pragma once
// The about box: read-only, modeless, created once.
#include <QDialog>
#include <QFrame>
#include <QLabel>

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
