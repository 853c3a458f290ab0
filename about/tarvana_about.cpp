#include "about/tarvana_about.h"

#include "game/form_kit.h"

Tform_about* form_about = nullptr;

Zahlavi postav_zahlavi(QWidget* okno, int dx, int sirka_bevelu)
{
    Zahlavi z;
    z.bevel = bevel(okno, 6, 7, sirka_bevelu, 102, QFrame::Raised);
    z.nadpis = new QLabel(QStringLiteral("Tarvana"), okno);
    QFont nadpis(QStringLiteral("Arial"));
    nadpis.setPixelSize(51);
    z.nadpis->setFont(nadpis);
    z.nadpis->setGeometry(42 + dx, 16, 208, 58);
    z.verze = new QLabel(QString::fromLatin1(text_verze), okno);
    // Sized to its text, as a font other than the designed one needs.
    z.verze->move(89 + dx, 80);
    z.verze->adjustSize();
    return z;
}

Tform_about::Tform_about(QWidget* parent) : QDialog(parent)
{
    nastav_okno(this, QStringLiteral("Tarvana - Mervoss"),
                Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(452, 349);

    const Zahlavi z = postav_zahlavi(this, 80, 443);
    bvl_horni = z.bevel;
    lbl_about_tarvana = z.nadpis;
    lbl_about_verze = z.verze;
    Bevel1 = bevel(this, 6, 111, 443, 234, QFrame::Raised);

    struct StatickyText {
        QLabel* Tform_about::*prvek;
        QRect misto;
        QString obsah;
        bool tucne;
    };
    const StatickyText texty[] = {
        {&Tform_about::stt_vznik, {21, 128, 410, 33},
         "Tarvana vznikla o dlouhych zimnich vecerech jako pokus o starou dobrou "
         "delostreleckou hru v novem kabate.", false},
        {&Tform_about::stt_co_to_je, {21, 168, 410, 17},
         "Tarvana je hra pod Windows pro 1 hrace proti pocitaci  nebo pro 2 hrace proti sobe.",
         false},
        {&Tform_about::StaticText1, {21, 192, 410, 33},
         "Na zacatku hry se objevi krajinka a 2 tanky. Hra je tahova a v kazdem tahu muze hrac "
         "dokupovat zbrane, energii, naftu a hlavne vystrelit jednu libovolnou strelu na "
         "protivnika. ", false},
        {&Tform_about::stt_co_je_cilem, {21, 224, 410, 33},
         "Cilem kola je znicit protihrace a ziskat tak bod. V dalsim kole se vygeneruje jina "
         "krajina a zacina porazeny protihrac.", false},
        {&Tform_about::stt_freeware, {21, 264, 410, 33},
         "Tarvana je freeware a smi se volne sirit beze zmen. Autor neodpovida za zadne skody "
         "zpusobene jejim pouzivanim.", false},
        {&Tform_about::stt_autor, {137, 304, 177, 17}, "Autor: Mervoss", true},
        {&Tform_about::stt_stranka, {107, 322, 239, 17},
         QStringLiteral("Stranky projektu - ") + QString::fromLatin1(adresa_stranek), true},
    };
    for (const StatickyText& t : texty) {
        QLabel* l = popisek(this, t.misto.x(), t.misto.y(), t.misto.width(), t.misto.height(),
                            t.obsah, Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        QFont f = l->font();
        f.setBold(t.tucne);
        // The boxes were measured for the designed font; a wider stand-in is drawn a
        // little closer so that no line falls out of its box, and where that is not
        // enough (DejaVu Sans, the one font every Debian has), a pixel smaller.
        bool vejde_se = false;
        for (int velikost = f.pixelSize(); !vejde_se && velikost >= 8; --velikost) {
            f.setPixelSize(velikost);
            for (int rozestup = 100; !vejde_se && rozestup >= 86; rozestup -= 2) {
                f.setLetterSpacing(QFont::PercentageSpacing, rozestup);
                l->setFont(f);
                vejde_se = l->heightForWidth(t.misto.width()) <= t.misto.height();
            }
        }
        this->*t.prvek = l;
    }
    zpristupni(this);
}
