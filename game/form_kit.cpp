#include "game/form_kit.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QMargins>
#include <QScreen>
#include <QWindow>

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

namespace {

// The frame the window manager put round the last window it framed: a window shown
// later is centred with it from the start rather than moved once its own frame is known.
QMargins posledni_ramecek;

// Centres its window on the desktop, frame and all, when the program first shows it. The
// frame is known only once the window manager has framed the window; until then the last
// frame seen stands in, and the window is centred again when its own comes.
class Uprostred final : public QObject {
public:
    explicit Uprostred(QWidget* okno) : QObject(okno), okno_(okno) {}

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show && !e->spontaneous() && !vystredeno_) {
            // Shown again later, a window comes back where it was, as desktops keep them.
            vystredeno_ = true;
            ceka_na_ramecek_ = true;
            vystred(posledni_ramecek);
        } else if (ceka_na_ramecek_) {
            // Qt learns the frame without telling the window; its first paint or
            // activation after that is the first moment to look.
            const QMargins m = okno_->windowHandle() ? okno_->windowHandle()->frameMargins() : QMargins();
            if (!m.isNull()) {
                ceka_na_ramecek_ = false;
                posledni_ramecek = m;
                if (m != pouzity_)
                    vystred(m);
            }
        }
        return false;
    }

private:
    void vystred(const QMargins& m)
    {
        const QScreen* s = okno_->screen();
        if (!s)
            return;
        pouzity_ = m;
        const QSize vnejsi = okno_->size().grownBy(m);
        const QPoint roh = s->availableGeometry().center() + QPoint(1, 1)
                           - QPoint(vnejsi.width() / 2, vnejsi.height() / 2);
        // Where the window itself goes, inside its frame: the window manager keeps it
        // there and frames it around. Before the window has a frame of its own, Qt takes
        // a move as the window's own position; once it has one, as the frame's, so the
        // platform window is moved directly then.
        const QPoint uvnitr = roh + QPoint(m.left(), m.top());
        const QWindow* w = okno_->windowHandle();
        if (w && !w->frameMargins().isNull())
            okno_->windowHandle()->setPosition(uvnitr);
        else
            okno_->move(uvnitr);
    }

    QWidget* okno_;
    QMargins pouzity_;
    bool ceka_na_ramecek_ = false;
    bool vystredeno_ = false;
};

} // namespace

void nastav_okno(QWidget* okno, const QString& titulek, Qt::WindowFlags flags)
{
    okno->installEventFilter(new Uprostred(okno));
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

namespace {

// Qt's own keys move a horizontal scroll bar's slider against the arrows, the way a view
// scrolls. These follow the slider and the label instead. The style draws no focus on a
// scroll bar: one reached from the keyboard gets the style's focus frame, so that a player
// without a mouse sees where the arrows go.
class KlavesyPosuvniku final : public QObject {
public:
    KlavesyPosuvniku(QScrollBar* s, Roste roste) : QObject(s), s_(s), roste_(roste) {}

    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::FocusIn: {
            const Qt::FocusReason proc = static_cast<QFocusEvent*>(e)->reason();
            if (proc == Qt::MouseFocusReason)
                z_klavesnice_ = false;
            else if (proc == Qt::TabFocusReason || proc == Qt::BacktabFocusReason
                     || proc == Qt::ShortcutFocusReason)
                z_klavesnice_ = true;
            return false;
        }
        case QEvent::Paint: return s_->hasFocus() && z_klavesnice_ && ramecek(e);
        case QEvent::KeyPress: return klavesa(static_cast<QKeyEvent*>(e));
        default: return false;
        }
    }

private:
    bool ramecek(QEvent* e)
    {
        s_->event(e);
        QPainter p(s_);
        QStyleOptionFocusRect o;
        o.initFrom(s_);
        // The focus came from the keyboard, which is when the style draws it.
        o.state |= QStyle::State_KeyboardFocusChange;
        s_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, s_);
        return true;
    }

    bool klavesa(QKeyEvent* e)
    {
        // Filters see the keys before the bar's own check that it is enabled.
        if (!s_->isEnabled())
            return false;
        using A = QAbstractSlider;
        // What each key does where the number grows to the right, and where to the left.
        static constexpr struct {
            Qt::Key klavesa;
            A::SliderAction doprava, doleva;
        } klavesy[] = {
            {Qt::Key_Left, A::SliderSingleStepSub, A::SliderSingleStepSub},
            {Qt::Key_Right, A::SliderSingleStepAdd, A::SliderSingleStepAdd},
            {Qt::Key_Home, A::SliderToMinimum, A::SliderToMinimum},
            {Qt::Key_End, A::SliderToMaximum, A::SliderToMaximum},
            {Qt::Key_Up, A::SliderSingleStepAdd, A::SliderSingleStepSub},
            {Qt::Key_Down, A::SliderSingleStepSub, A::SliderSingleStepAdd},
            {Qt::Key_PageUp, A::SliderPageStepAdd, A::SliderPageStepSub},
            {Qt::Key_PageDown, A::SliderPageStepSub, A::SliderPageStepAdd},
        };
        for (const auto& k : klavesy)
            if (k.klavesa == e->key()) {
                s_->triggerAction(roste_ == Roste::doprava ? k.doprava : k.doleva);
                return true;
            }
        return false;
    }

    QScrollBar* s_;
    Roste roste_;
    bool z_klavesnice_ = false;
};

} // namespace

QScrollBar* posuvnik(QWidget* parent, int x, int y, int w, int h, int min, int max,
                     int stranka, Roste roste)
{
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setRange(min, max);
    s->setPageStep(stranka);
    s->setSingleStep(1);
    s->setGeometry(x, y, w, h);
    // Only the keyboard takes the focus there: a click on it leaves a mouse player's focus
    // where it was. The wheel keeps Qt's direction.
    s->setFocusPolicy(Qt::TabFocus);
    s->installEventFilter(new KlavesyPosuvniku(s, roste));
    return s;
}
