#include "game/form_kit.h"

namespace {

template <class Prvek>
Prvek* umisti(Prvek* prvek, int x, int y, int w, int h)
{
    prvek->setGeometry(x, y, w, h);
    return prvek;
}

template <class Volba>
Volba* volba(QWidget* parent, int x, int y, const QString& text)
{
    auto* v = new Volba(text, parent);
    return umisti(v, x, y, v->sizeHint().width(), 17);
}

// "&Start hry" is announced "Start hry"; "&&" stands for one ampersand.
QString bez_akceleratoru(const QString& text)
{
    QString vysledek;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        vysledek += text[i];
    }
    return vysledek;
}

QString titulek(const QWidget* w)
{
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return {};
}

} // namespace

void zpristupni(QWidget* okno)
{
    for (QWidget* w : okno->findChildren<QWidget*>()) {
        const QString nazev = bez_akceleratoru(titulek(w));
        if (w->accessibleName().isEmpty() && !nazev.isEmpty())
            w->setAccessibleName(nazev);
        if (w->accessibleDescription().isEmpty() && !w->toolTip().isEmpty())
            w->setAccessibleDescription(w->toolTip());
    }
}

QFont okno_font()
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    return f;
}

void nastav_okno(QWidget* okno, const QString& titulek, Qt::WindowFlags flags)
{
    okno->setWindowTitle(titulek);
    okno->setWindowFlags(flags | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    okno->setFont(okno_font());
}

QLabel* popisek(QWidget* parent, int x, int y, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->adjustSize();
    l->move(x, y);
    return l;
}

QLabel* popisek(QWidget* parent, int x, int y, int w, int h, const QString& text,
                Qt::Alignment align)
{
    QLabel* l = umisti(new QLabel(text, parent), x, y, w, h);
    l->setAlignment(align);
    return l;
}

QLabel* radek(QWidget* parent, int x, int y, const QString& text, Pismo pismo)
{
    return radek(parent, x, y, -1, text, Qt::AlignLeft | Qt::AlignVCenter, pismo);
}

QLabel* radek(QWidget* parent, int x, int y, int w, const QString& text, Qt::Alignment align,
              Pismo pismo)
{
    auto* l = new QLabel(text, parent);
    if (pismo != Pismo::obycejne) {
        QFont font = okno_font();
        font.setBold(pismo == Pismo::tucne);
        font.setUnderline(pismo == Pismo::podtrzene);
        l->setFont(font);
    }
    l->setAlignment(align);
    l->adjustSize();
    if (w < 0) {
        w = l->width();
    } else if ((align & Qt::AlignRight) && l->width() > w) {
        x -= l->width() - w;
        w = l->width();
    }
    l->setGeometry(x, y, w, 13);
    return l;
}

QFrame* bevel(QWidget* parent, int x, int y, int w, int h, QFrame::Shadow stin,
              QFrame::Shape tvar)
{
    auto* f = new QFrame(parent);
    f->setFrameShape(tvar);
    f->setFrameShadow(stin);
    return umisti(f, x, y, w, h);
}

QGroupBox* skupina(QWidget* parent, int x, int y, int w, int h, const QString& titulek)
{
    return umisti(new QGroupBox(titulek, parent), x, y, w, h);
}

QPushButton* tlacitko(QWidget* parent, int x, int y, int w, int h, const QString& text)
{
    return umisti(new QPushButton(text, parent), x, y, w, h);
}

QLineEdit* pole(QWidget* parent, int x, int y, int w, int h, const QString& text)
{
    return umisti(new QLineEdit(text, parent), x, y, w, h);
}

QRadioButton* prepinac(QWidget* parent, int x, int y, const QString& text)
{
    return volba<QRadioButton>(parent, x, y, text);
}

QCheckBox* zaskrtavatko(QWidget* parent, int x, int y, const QString& text)
{
    return volba<QCheckBox>(parent, x, y, text);
}

QScrollBar* posuvnik(QWidget* parent, int x, int y, int w, int h, int min, int max,
                     int stranka)
{
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setRange(min, max);
    s->setPageStep(stranka);
    s->setSingleStep(1);
    s->setGeometry(x, y, w, h);
    return s;
}
