// The about box as it is laid out: its panels and text boxes where the window was
// designed, and every text readable inside its box whatever font stands in.
#include "about/tarvana_about.h"

#include <gtest/gtest.h>

TEST(AboutBox, PanelsAndTextBoxesStandWhereTheWindowWasDesigned)
{
    Tform_about okno;
    EXPECT_EQ(okno.size(), QSize(452, 349));
    const std::pair<const char*, std::pair<QWidget*, QRect>> mista[] = {
        {"bvl_horni", {okno.bvl_horni, {6, 7, 443, 102}}},
        {"lbl_about_tarvana", {okno.lbl_about_tarvana, {122, 16, 208, 58}}},
        {"Bevel1", {okno.Bevel1, {6, 111, 443, 234}}},
        {"stt_vznik", {okno.stt_vznik, {21, 128, 410, 33}}},
        {"stt_co_to_je", {okno.stt_co_to_je, {21, 168, 410, 17}}},
        {"StaticText1", {okno.StaticText1, {21, 192, 410, 33}}},
        {"stt_co_je_cilem", {okno.stt_co_je_cilem, {21, 224, 410, 33}}},
        {"stt_freeware", {okno.stt_freeware, {21, 264, 410, 33}}},
        {"stt_autor", {okno.stt_autor, {137, 304, 177, 17}}},
        {"stt_stranka", {okno.stt_stranka, {107, 322, 239, 17}}},
    };
    for (const auto& [jmeno, m] : mista)
        EXPECT_EQ(m.first->geometry(), m.second) << jmeno;
    EXPECT_EQ(okno.lbl_about_verze->pos(), QPoint(169, 80));
}

TEST(AboutBox, EveryTextFitsItsBoxInTheFontThatStandsIn)
{
    Tform_about okno;
    for (QLabel* l : {okno.stt_vznik, okno.stt_co_to_je, okno.StaticText1, okno.stt_co_je_cilem,
                      okno.stt_freeware, okno.stt_autor, okno.stt_stranka}) {
        SCOPED_TRACE(l->text().toStdString());
        // Wrapped to its width, the text needs no more rows than the box has: a line
        // beyond them would lie under the next text.
        EXPECT_LE(l->heightForWidth(l->width()), l->height());
        // And it stays readable.
        EXPECT_GE(l->font().pixelSize(), 8);
    }
}
