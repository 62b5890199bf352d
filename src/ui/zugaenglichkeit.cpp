#include "ui/zugaenglichkeit.h"

#include "ui/fokusstil.h"
#include "ui/tastatur_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
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

QAccessibleInterface* zugangBauen(const QString& klasse, QObject* objekt) {
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
    if (w->accessibleName() != name) {
        w->setAccessibleName(name); // announces the change itself
        return;
    }
    QAccessibleEvent ereignis(w, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&ereignis);
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
