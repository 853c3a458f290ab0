#pragma once
// The battlefield window.
#include "game/battlefield_view.h"
#include "game/game_state.h"
#include "game/gauge.h"
#include "game/landscape_image.h"

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

class Tform_hra : public QDialog, public BojistePohled {
    Q_OBJECT
public:
    explicit Tform_hra(QWidget* parent = nullptr);
    ~Tform_hra() override;

    // --- the battlefield picture and the info line over its top-left corner
    LandscapeImage* img_krajina;
    QLabel* lbl_infotext;

    // --- panels
    QFrame* bvl_levy;
    QFrame* bvl_uprostred;
    QFrame* bvl_pravy;

    // --- player 1 (left panel)
    QLabel* lbl_energie1;
    Gauge* cgg_energie1;
    QLabel* lbl_nadrz1;
    Gauge* cgg_nadrz1;
    QLabel* lbl_uhel1_napis;
    QLabel* lbl_uhel1;
    QScrollBar* scr_uhel1;
    QLabel* lbl_zbran1;
    QComboBox* cmb_zbran1;
    QLabel* lbl_sila1_napis;
    QLabel* lbl_sila1;
    QScrollBar* scr_sila1;
    QFrame* bvl_naboje1;
    QLabel* lbl_naboje1;
    QLabel* lbl_naboje_zakladni1;
    QLabel* lbl_naboje_stredni1;
    QLabel* lbl_naboje_velka1;
    QLabel* lbl_naboje_mini1;
    QLabel* lbl_naboje_mega1;
    QFrame* bvl_penize1;
    QLabel* lbl_napis_penize1;
    QLabel* lbl_penize1;
    QFrame* bvl_jmeno1;
    QLabel* lbl_napis_jmeno1;
    QLabel* lbl_jmeno1;

    // --- player 2 (right panel)
    QLabel* lbl_energie2;
    Gauge* cgg_energie2;
    QLabel* lbl_nadrz2;
    Gauge* cgg_nadrz2;
    QLabel* lbl_uhel2_napis;
    QLabel* lbl_uhel2;
    QScrollBar* scr_uhel2;
    QLabel* lbl_zbran2;
    QComboBox* cmb_zbran2;
    QLabel* lbl_sila2_napis;
    QLabel* lbl_sila2;
    QScrollBar* scr_sila2;
    QFrame* bvl_naboje2;
    QLabel* lbl_naboje2;
    QLabel* lbl_naboje_zakladni2;
    QLabel* lbl_naboje_stredni2;
    QLabel* lbl_naboje_velka2;
    QLabel* lbl_naboje_mini2;
    QLabel* lbl_naboje_mega2;
    QFrame* bvl_penize2;
    QLabel* lbl_napis_penize2;
    QLabel* lbl_penize2;
    QFrame* bvl_jmeno2;
    QLabel* lbl_napis_jmeno2;
    QLabel* lbl_jmeno2;

    // --- middle panel
    QPushButton* btn_pal;
    QPushButton* btn_obchod;
    QFrame* bvl_stav;
    QLabel* lbl_napis_stav;
    QLabel* lbl_stav1;
    QLabel* lbl_dvojtecka;
    QLabel* lbl_stav2;
    QFrame* bvl_vitr;
    QLabel* llbl_napis_vitr;
    QLabel* lbl_vitr;

    // --- the same controls addressed by player index (0 player 1, 1 player 2)
    Gauge* cgg_energie(int p) const { return p == 0 ? cgg_energie1 : cgg_energie2; }
    Gauge* cgg_nadrz(int p) const { return p == 0 ? cgg_nadrz1 : cgg_nadrz2; }
    QScrollBar* scr_uhel(int p) const { return p == 0 ? scr_uhel1 : scr_uhel2; }
    QScrollBar* scr_sila(int p) const { return p == 0 ? scr_sila1 : scr_sila2; }
    QLabel* lbl_uhel(int p) const { return p == 0 ? lbl_uhel1 : lbl_uhel2; }
    QLabel* lbl_sila(int p) const { return p == 0 ? lbl_sila1 : lbl_sila2; }
    QComboBox* cmb_zbran(int p) const { return p == 0 ? cmb_zbran1 : cmb_zbran2; }
    QLabel* lbl_penize(int p) const { return p == 0 ? lbl_penize1 : lbl_penize2; }
    QLabel* lbl_jmeno(int p) const { return p == 0 ? lbl_jmeno1 : lbl_jmeno2; }
    QLabel* lbl_stav(int p) const { return p == 0 ? lbl_stav1 : lbl_stav2; }
    // The count label of a WeaponKind; kind 0 is the "-" label.
    QLabel* lbl_naboje(int p, int kind) const;

    // --- what the game's operations see of the window (see BojistePohled)
    Canvas& platno() override { return img_krajina->canvas(); }
    QWidget* okno() override { return this; }
    void ukaz() override;
    void pauza(int ms) override;
    void zpracuj_zpravy() override;
    void obnov_okno() override;
    void zakaz_ovladani() override;
    void nove_kolo(int zacina) override;
    void nastav_info(const QString& text) override;
    void prekresli_info() override;
    void ukaz_info(bool viditelna) override;
    void ohlas(const QString& text) override;
    QString jmeno(int p) const override;
    QString penize(int p) const override;
    void nastav_penize(int p, const QString& text) override;
    void prekresli_penize(int p) override;
    int energie(int p) const override;
    void nastav_energii(int p, int hodnota) override;
    int nafta(int p) const override;
    void nastav_naftu(int p, int hodnota) override;
    QString naboje(int p, int druh) const override;
    void nastav_naboje(int p, int druh, const QString& text) override;
    void ukaz_naboje(int p, int druh) override;
    void nastav_body(int p, int body) override;
    void nastav_vitr(const QString& text) override;
    bool ovladani_povoleno(int p) const override;
    void vyber_zbran(int p, int druh) override;
    int poloha_uhlu(int p) const override;
    void nastav_polohu_uhlu(int p, int poloha) override;
    void nastav_popisek_uhlu(int p, const QString& text) override;
    void nastav_polohu_sily(int p, int poloha) override;
    void nastav_popisek_sily(int p, const QString& text) override;

    // Marks a running action (a shot with everything it sets off, a drive, a shop visit);
    // a close asked for meanwhile is kept and carried out when the outermost one ends.
    class Akce {
    public:
        explicit Akce(Tform_hra& f);
        ~Akce();
        Akce(const Akce&) = delete;
        Akce& operator=(const Akce&) = delete;

    private:
        Tform_hra& f_;
    };
    // A close has been asked for: the running action finishes unseen (no pause, no
    // message handling, no drawing), no new action starts and no player gets the
    // controls again; the window closes as soon as no action runs.
    bool zavira_se() const { return zavrit_po_akci_; }
    bool bezi_akce() const { return hloubka_akci_ > 0; }
    // FormShow has run (it runs once the shown window is first on the screen).
    bool hra_zacala() const { return hra_zacala_; }
    // The window has no round to play: shown, but FormShow is still to come; or FormShow
    // found no sky; or the game is over and the window closed. Only the state of a
    // finished game would be there to act on.
    bool bez_kola() const { return hra_zacala_ ? !nebe : isVisible(); }

    // --- event handlers
    void FormShow();
    void FormClose();
    void scr_uhel1Change();
    void scr_uhel2Change();
    void scr_sila1Change();
    void scr_sila2Change();
    void cmb_zbran1Select();
    void cmb_zbran2Select();
    void btn_palClick();
    void btn_obchodClick();
    void img_krajinaMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int X, int Y);
    // The drive keys: one drive of krok_jizdy columns to the left (smer -1) or right (+1),
    // as a click that far beside the tank's centre would start.
    void klavesa_jizdy(int smer);
    static constexpr int krok_jizdy = 20;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Closes the window from the event loop once the handler that ran the last action
    // has returned; tried again for as long as the close is put off.
    void zavri_po_akci();

    int hloubka_akci_ = 0;
    bool zavrit_po_akci_ = false;
    bool zobrazeno_ = false;
    bool hra_zacala_ = false;   // FormShow has run for this window
};

extern Tform_hra* form_hra;
