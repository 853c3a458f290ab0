#pragma once
// The main menu, the program's main window.
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

class Tform_uvod : public QWidget {
    Q_OBJECT
public:
    explicit Tform_uvod(QWidget* parent = nullptr);

    QFrame* bvl_horni;
    QLabel* lbl_tarvana;
    QLabel* lbl_verze;
    QFrame* bvl_spodni;
    QPushButton* btn_start;
    QPushButton* btn_about;
    QPushButton* btn_nastaveni;
    QPushButton* btn_konec;

    void btn_startClick();
    void btn_nastaveniClick();
    void btn_aboutClick();
    void btn_konecClick();

private:
    // The menu's buttons act only while the menu is the window in front.
    bool v_popredi() const;
    // A game or the settings window runs in front of the menu (until its exec returns).
    int okna_vpredu_ = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

// Hints appear 100 ms after the pointer comes to rest, in every window of the application.
void nastav_casovani_napoved();

extern Tform_uvod* form_uvod;
