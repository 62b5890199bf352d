#include "ui/schreibregeln.h"

namespace tastwerk::ui {

QString schreibregelnText() {
    // Laid out for a fixed-pitch font; the examples stand as they are typed.
    return QStringLiteral(R"regeln(
                        Die wichtigsten Schreibregeln
                        =============================

Die folgenden Regeln lehnen sich an die DIN 5008 an, die Norm mit den
Schreib- und Gestaltungsregeln für die Textverarbeitung. Die Beispiele sind
so gesetzt, wie Sie sie tippen.


1. Satzzeichen
--------------
Punkt, Komma, Semikolon, Doppelpunkt, Fragezeichen und Ausrufezeichen
stehen direkt am vorangehenden Wort. Danach folgt genau ein Leerzeichen.

   Heute ist Montag. Morgen ist Dienstag.
   Wir brauchen Papier, Stifte und einen Ordner.
   Der Zug war pünktlich; trotzdem kamen wir zu spät.
   Bitte beachten Sie: Der Kurs beginnt um 9 Uhr.
   Kommen Sie mit? Das freut mich sehr!

Vor einem Satzzeichen steht nie ein Leerzeichen. Am Ende eines Absatzes
folgt auf das Satzzeichen kein Leerzeichen, sondern die Zeilenschaltung.


2. Anführungszeichen und Klammern
---------------------------------
Anführungszeichen und Klammern stehen ohne Leerzeichen direkt vor und nach
dem Text, den sie einschließen. Vor und nach dem ganzen Ausdruck steht, wie
sonst zwischen zwei Wörtern, ein Leerzeichen.

   Sie sagte: "Ich komme morgen."
   Wir lesen das Buch "Der kleine Prinz".
   Die Lieferung (drei Pakete) ist eingetroffen.

Gehört ein Satzzeichen zum ganzen Satz, steht es nach der Klammer:

   Wir treffen uns am Bahnhof (Haupteingang).


3. Bindestrich, Gedankenstrich und Schrägstrich
-----------------------------------------------
Der Bindestrich (Mittestrich) steht ohne Leerzeichen. Er verbindet Wörter
und vertritt als Ergänzungsstrich einen weggelassenen Wortteil.

   Lern-Software    Ein-Euro-Stück    E-Mail    Vor- und Nachteile

Als Gedankenstrich und als Minuszeichen steht der Strich mit je einem
Leerzeichen davor und danach.

   Wir kamen - endlich! - am Ziel an.
   12 - 4 = 8

Der Schrägstrich steht ohne Leerzeichen.

   Ein-/Ausgang    2/3    Schuljahr 1997/98


4. Abkürzungen
--------------
Nach einer Abkürzung mit Punkt folgt ein Leerzeichen. Mehrteilige
Abkürzungen erhalten auch zwischen ihren Teilen ein Leerzeichen.

   z. B.    u. a.    d. h.    i. A.    usw.    Nr. 5    Tel.

Steht die Abkürzung am Satzende, schreiben Sie nur einen Punkt:

   Wir kaufen Obst, Gemüse, Brot usw.

Abkürzungen, die man als eigene Wörter oder Buchstaben spricht, und Maß-
und Währungseinheiten stehen ohne Punkt:

   EDV    GmbH    ADAC    Lkw    km    kg    cm    EUR


5. Zahlen
---------
Zahlen mit mehr als drei Stellen werden von rechts in Gruppen zu drei
Ziffern gegliedert, getrennt durch ein Leerzeichen. Bei vierstelligen
Zahlen darf die Gliederung entfallen. Der Dezimalteil wird mit einem Komma
abgetrennt.

   1 250 000 Einwohner    3 500 oder 3500 Stück
   12,5 Liter             0,75 kg

Bei Geldbeträgen ist auch der Punkt als Gliederungszeichen üblich:

   1.250,00 EUR

Jahreszahlen und Postleitzahlen werden nicht gegliedert: 1997, 80331.


6. Telefonnummern
-----------------
Vorwahl und Rufnummer werden durch ein Leerzeichen getrennt. Die Rufnummer
selbst wird nicht weiter unterteilt. Eine Durchwahl wird mit einem
Bindestrich angehängt.

   030 4567890
   0421 345678-12
   +49 30 4567890       (mit Ländervorwahl)


7. Datum
--------
Das Datum in Ziffern schreiben Sie in der Reihenfolge Tag, Monat, Jahr:
TT.MM.JJJJ, mit Punkt und ohne Leerzeichen; Tag und Monat zweistellig.

   07.03.1997    24.12.1998

Mit ausgeschriebenem Monat steht nach dem Tag ein Punkt und ein Leerzeichen:

   7. März 1997    Montag, 7. März 1997

Die internationale Schreibweise lautet JJJJ-MM-TT: 1997-03-07.


8. Uhrzeit
----------
Stunden und Minuten sind zweistellig und werden durch einen Doppelpunkt
oder einen Punkt getrennt. Vor "Uhr" steht ein Leerzeichen.

   14:30 Uhr    14.30 Uhr    08:05 Uhr
   14:30:15 Uhr               (mit Sekunden)
   9 Uhr                      (volle Stunde)


9. Prozent und Währung
----------------------
Zwischen der Zahl und dem Prozentzeichen steht ein Leerzeichen. In
Zusammensetzungen fällt es weg.

   25 %    3,5 %    eine 10%ige Lösung

Auch zwischen Betrag und Währung steht ein Leerzeichen. Die Währung darf
vor oder nach dem Betrag stehen.

   250,00 EUR    EUR 250,00    12,50 €    99 DM


10. Paragraphenzeichen
----------------------
Das Zeichen § steht nur vor einer Zahl, getrennt durch ein Leerzeichen.
Zwei Zeichen §§ stehen für mehrere Paragraphen. Ohne Zahl wird das Wort
ausgeschrieben.

   § 12    §§ 12 bis 15    § 3 Abs. 2
   Der Paragraph regelt die Kündigung.


11. Ordnungszahlen
------------------
Eine Ordnungszahl in Ziffern erhält einen Punkt. Danach folgt ein
Leerzeichen.

   der 3. Platz    am 1. Mai    zum 20. Geburtstag
   Ludwig XIV.     Karl V.
)regeln")
        .mid(1); // the line break after the opening delimiter
}

} // namespace tastwerk::ui
