#include "game/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QProgressBar>
#include <QScrollBar>
#include <QStringList>
#include <QVariant>

namespace {

// Marks the widgets whose accessible interface the factory below gives.
const char* const zrcadlo = "tarvana_zrcadlo";
const char* const z_celku = "tarvana_z_celku";
const char* const oznameni = "tarvana_oznameni";

// A value that a screen reader reads as the game shows it.
class Hodnota : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    Hodnota(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return text_hodnoty();
        return QAccessibleWidget::text(t);
    }
    QVariant minimumStepSize() const override { return 1; }

protected:
    virtual QString text_hodnoty() const { return currentValue().toString(); }
};

class ZrcadlenyPosuvnik final : public Hodnota {
public:
    explicit ZrcadlenyPosuvnik(QScrollBar* s)
        : Hodnota(s, QAccessible::ScrollBar), s_(s), soucet_(s->property(zrcadlo).toInt())
    {
    }
    QVariant currentValue() const override { return soucet_ - s_->value(); }
    void setCurrentValue(const QVariant& v) override { s_->setValue(soucet_ - v.toInt()); }
    QVariant maximumValue() const override { return soucet_ - s_->minimum(); }
    QVariant minimumValue() const override { return soucet_ - s_->maximum(); }

private:
    QScrollBar* s_;
    int soucet_;
};

class Ukazatel final : public Hodnota {
public:
    explicit Ukazatel(QProgressBar* g) : Hodnota(g, QAccessible::ProgressBar), g_(g) {}
    QVariant currentValue() const override { return g_->value(); }
    // A gauge is only read.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return g_->maximum(); }
    QVariant minimumValue() const override { return g_->minimum(); }

protected:
    QString text_hodnoty() const override
    {
        return QStringLiteral("%1 z %2").arg(g_->value()).arg(g_->maximum());
    }

private:
    QProgressBar* g_;
};

// An unseen notification of the window: a plain widget paints nothing of its own.
class Oznameni final : public QAccessibleWidget {
public:
    explicit Oznameni(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
};

QAccessibleInterface* tovarna(const QString&, QObject* o)
{
    if (auto* s = qobject_cast<QScrollBar*>(o); s && s->property(zrcadlo).isValid())
        return new ZrcadlenyPosuvnik(s);
    if (auto* g = qobject_cast<QProgressBar*>(o); g && g->property(z_celku).isValid())
        return new Ukazatel(g);
    if (auto* w = qobject_cast<QWidget*>(o); w && w->property(oznameni).isValid())
        return new Oznameni(w);
    return nullptr;
}

// Orca reads a progress bar's every change out as a bare percentage of a numbered progress
// bar ("Progress bar 1. 83 percent."), meant for a download; a gauge's changes are told
// with the turn ("175 z 200") and read when asked for. Everything else goes on as Qt
// sends it.
void bez_zmen_ukazatelu(QAccessibleEvent* e)
{
    if (e->type() == QAccessible::ValueChanged && e->object()
        && e->object()->property(z_celku).isValid())
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(e);
    QAccessible::installUpdateHandler(bez_zmen_ukazatelu);
}

void zajisti_tovarnu()
{
    static const bool jednou = [] {
        QAccessible::installFactory(tovarna);
        QAccessible::installUpdateHandler(bez_zmen_ukazatelu);
        return true;
    }();
    (void)jednou;
}

// A screen reader reads a notification when it gets to it, maybe only after the next one
// has appeared: each of the last few messages keeps a notification of its own.
constexpr int pocet_oznameni = 12;
const char* const dalsi_oznameni = "tarvana_dalsi_oznameni";

QString jmeno_oznameni(int i) { return QStringLiteral("tarvana_oznameni_%1").arg(i); }

QWidget* dalsi_oznameni_okna(QWidget* okno)
{
    const int i = okno->property(dalsi_oznameni).toInt();
    okno->setProperty(dalsi_oznameni, (i + 1) % pocet_oznameni);
    const QString jmeno = jmeno_oznameni(i);
    if (auto* w = okno->findChild<QWidget*>(jmeno, Qt::FindDirectChildrenOnly))
        return w;
    auto* w = new QWidget(okno);
    w->setObjectName(jmeno);
    w->setProperty(oznameni, true);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setFocusPolicy(Qt::NoFocus);
    w->setGeometry(0, 0, 1, 1);
    return w;
}

} // namespace

void ohlas(QWidget* w, const QString& text)
{
    if (!w || text.isEmpty())
        return;
    zajisti_tovarnu();
    QWidget* o = dalsi_oznameni_okna(w->window());
    // Appearing is what is announced.
    o->hide();
    o->setAccessibleName(text);
    o->show();
}

QStringList posledni_ohlasy(const QWidget* w)
{
    QStringList ohlasy;
    const QWidget* okno = w->window();
    const int dalsi = okno->property(dalsi_oznameni).toInt();
    for (int k = 0; k < pocet_oznameni; ++k)
        if (const auto* o = okno->findChild<const QWidget*>(
                jmeno_oznameni((dalsi + k) % pocet_oznameni), Qt::FindDirectChildrenOnly))
            ohlasy << o->accessibleName();
    return ohlasy;
}

void popis_vyberem(QComboBox* c)
{
    c->setAccessibleDescription(c->accessibleName());
    QObject::connect(c, &QComboBox::currentTextChanged, c, [c](const QString& text) {
        if (c->hasFocus())
            ohlas(c, text);
    });
}

void hodnota_zrcadlem(QScrollBar* s, int soucet)
{
    zajisti_tovarnu();
    s->setProperty(zrcadlo, soucet);
}

void hodnota_z_celku(QProgressBar* g)
{
    zajisti_tovarnu();
    g->setProperty(z_celku, true);
}
