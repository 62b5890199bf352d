#include "ui/zugaenglichkeit.h"

#include "ui/fokusstil.h"
#include "ui/tastatur_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QGroupBox>

#include <array>

namespace tastwerk::ui {

namespace {

QString ohneKuerzel(QString text) {
    // "&&" shows one ampersand; a single one marks the mnemonic and is not read.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

// A key of the on-screen keyboard: a button named by caption and finger, pressed while demanded.
class Tastenzugang : public QAccessibleWidget {
public:
    explicit Tastenzugang(TastenFeld* taste) : QAccessibleWidget(taste, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const bool gedrueckt = static_cast<TastenFeld*>(widget())->gedrueckt();
        s.checkable = true;
        s.checked = gedrueckt;
        s.pressed = gedrueckt;
        s.focusable = false;
        return s;
    }
};

// A group box named by its own title. Qt's default would name a group that lies inside another one,
// and every unnamed widget in it, by the enclosing group's title.
class Gruppenzugang : public QAccessibleWidget {
public:
    explicit Gruppenzugang(QGroupBox* gruppe) : QAccessibleWidget(gruppe, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? ohneKuerzel(static_cast<QGroupBox*>(widget())->title()) : name;
        }
        return QAccessibleWidget::text(t);
    }
};

// Runs `aendern` without any announcement: Qt announces every accessible name that is set, also on a
// hidden widget.
template <typename F> void stillAendern(F&& aendern) {
    QAccessible::installUpdateHandler([](QAccessibleEvent*) {});
    aendern();
    QAccessible::installUpdateHandler(nullptr);
}

// Announces the name of a widget whose name changed while it was hidden once it is shown again, so
// that a screen reader that keeps names does not read an old one.
class Nachmeldung : public QObject {
public:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Show) {
            objekt->removeEventFilter(this);
            QAccessibleEvent meldung(objekt, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&meldung);
        }
        return false;
    }
};

void nachmelden(QWidget* w) {
    static Nachmeldung nachmeldung;
    w->installEventFilter(&nachmeldung); // installed once, however often it is called
}

// A bar read by the share it stands for, 0 to 100 percent.
class Anteilszugang : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit Anteilszugang(Anteilsbalken* balken) : QAccessibleWidget(balken, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                : QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return static_cast<Anteilsbalken*>(widget())->anteil(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }
};

const char* const BildEigenschaft = "tastwerkBild";

QAccessibleInterface* zugangBauen(const QString& klasse, QObject* objekt) {
    if (objekt->isWidgetType() && objekt->property(BildEigenschaft).toBool()) {
        return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Graphic);
    }
    if (klasse == QLatin1String(Anteilsbalken::staticMetaObject.className())) {
        return new Anteilszugang(static_cast<Anteilsbalken*>(objekt));
    }
    if (klasse == QLatin1String(TastenFeld::staticMetaObject.className())) {
        return new Tastenzugang(static_cast<TastenFeld*>(objekt));
    }
    if (klasse == QLatin1String("QGroupBox")) {
        return new Gruppenzugang(static_cast<QGroupBox*>(objekt));
    }
    return nullptr;
}

} // namespace

void zugaenglichkeitEinrichten() {
    QAccessible::installFactory(zugangBauen);
    fokusstilEinsetzen();
}

void nameMelden(QWidget* w, const QString& name) {
    if (w->accessibleName() == name) {
        return;
    }
    if (w->isVisible()) {
        w->setAccessibleName(name); // announces the change itself
        return;
    }
    stillAendern([&] { w->setAccessibleName(name); });
    nachmelden(w);
}

void zeichenMelden(QWidget* w, const QString& name) {
    if (!w->isVisible() || w->accessibleName() != name) {
        nameMelden(w, name);
        return;
    }
    QAccessibleEvent ereignis(w, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
}

void textMelden(QLabel* label, const QString& text) {
    if (label->text() == text) {
        return;
    }
    // A label without a name of its own is read by its text, and setText announces it.
    if (label->isVisible()) {
        label->setText(text);
        return;
    }
    stillAendern([&] { label->setText(text); });
    nachmelden(label);
}

void alsBildZeigen(QWidget* bild, const QString& name) {
    bild->setProperty(BildEigenschaft, true);
    bild->setAccessibleName(name);
}

QString gesprochenesZeichen(const QString& zeichen) {
    if (zeichen == QStringLiteral(" ")) {
        return QStringLiteral("Leertaste");
    }
    if (zeichen == QStringLiteral("\r") || zeichen == QStringLiteral("\n")) {
        return QStringLiteral("Return");
    }
    return zeichen;
}

QString fingerbezeichnung(Fingergruppe f) {
    static const std::array<const char*, FingergruppenAnzahl> namen = {"linker kleiner Finger",
                                                                       "linker Ringfinger",
                                                                       "linker Mittelfinger",
                                                                       "linker Zeigefinger",
                                                                       "Daumen",
                                                                       "rechter kleiner Finger",
                                                                       "rechter Ringfinger",
                                                                       "rechter Mittelfinger",
                                                                       "rechter Zeigefinger"};
    return QString::fromUtf8(namen[static_cast<std::size_t>(platz(f))]);
}

} // namespace tastwerk::ui
