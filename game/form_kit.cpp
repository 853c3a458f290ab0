#include "game/form_kit.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QMargins>
#include <QScreen>
#include <QTimer>
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

bool je_ramecek(const QMargins& m)
{
    return !m.isNull() && m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0;
}

QPoint Vystredeni::stred(const QMargins& m)
{
    pouzity_ = m;
    const QSize vnejsi = velikost_.grownBy(m);
    const QPoint roh = plocha_.center() + QPoint(1, 1)
                       - QPoint(vnejsi.width() / 2, vnejsi.height() / 2);
    return roh + QPoint(m.left(), m.top());
}

QPoint Vystredeni::ukazano(const QRect& plocha, QSize velikost)
{
    plocha_ = plocha;
    velikost_ = velikost;
    ukazano_ = true;
    polozeno_ = stred(posledni_);
    return polozeno_;
}

std::optional<QPoint> Vystredeni::ramecek(const QMargins& m, QPoint kde)
{
    // A window standing elsewhere was moved by the user, or is held for a moment by a
    // frame still being built, whose margins are not to be trusted either.
    if (!ukazano_ || !je_ramecek(m) || kde != polozeno_)
        return std::nullopt;
    posledni_ = m;
    if (m == pouzity_)
        return std::nullopt;
    polozeno_ = stred(m);
    return polozeno_;
}

namespace {

// The frame the window manager put round the last window it framed: a window shown
// later is centred with it from the start rather than moved once its own frame is known.
QMargins posledni_ramecek;

// Centres its window on the desktop when the program first shows it, and again when the
// window manager has framed it.
class Uprostred final : public QObject, public QAbstractNativeEventFilter {
public:
    explicit Uprostred(QWidget* okno) : QObject(okno), okno_(okno), vystredeni_(posledni_ramecek) {}

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show && !e->spontaneous() && !vystredeno_) {
            // Shown again later, a window comes back where it was, as desktops keep them.
            vystredeno_ = true;
            if (const QScreen* s = okno_->screen()) {
                presun(vystredeni_.ukazano(s->availableGeometry(), okno_->size()));
                QCoreApplication::instance()->installNativeEventFilter(this);
            }
        } else if (vystredeno_) {
            // Where the window system passes no events of its own to the program, the
            // window's events are the moments to look.
            podivej_se();
        }
        return false;
    }

    // Qt learns the frame from the window system without telling the window: a window
    // manager that is still starting may frame the window long after it shows, with no
    // event for the window itself, and may report a frame it has not finished. So every
    // event from the window system is a moment to look, once Qt has handled it, for as
    // long as the window lives: the check is cheap and finds nothing to do once the
    // window stands centred in its frame or the user has moved it.
    bool nativeEventFilter(const QByteArray&, void*, qintptr*) override
    {
        if (!naplanovano_) {
            naplanovano_ = true;
            QTimer::singleShot(0, this, [this] {
                naplanovano_ = false;
                podivej_se();
            });
        }
        return false;
    }

private:
    void podivej_se()
    {
        // Where the window system has the window, which the widget learns later.
        if (const QWindow* w = okno_->windowHandle())
            if (const auto kam = vystredeni_.ramecek(w->frameMargins(), w->position()))
                presun(*kam);
    }

    // Puts the window's own top-left corner there; the window manager keeps it and frames
    // it around. Qt takes a move as the frame's place once it knows a frame, so then the
    // platform window is moved directly.
    void presun(QPoint uvnitr)
    {
        QWindow* w = okno_->windowHandle();
        if (w && !w->frameMargins().isNull())
            w->setPosition(uvnitr);
        else
            okno_->move(uvnitr);
    }

    QWidget* okno_;
    Vystredeni vystredeni_;
    bool vystredeno_ = false;
    bool naplanovano_ = false;
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
