#!/usr/bin/env bash
# The built program under a real X server, read through the accessibility interface: a learner signs in,
# starts lesson 1, goes through the letter exercise's keys (each demanded character among them, the others
# count as one error each) and ends the program. The history holds the
# exercise: the command line writes the class list and the history as CSV without a window, and the next
# run shows the exercise in "Lernverlauf" and colours the keys with the heatmap switch.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
mkdir -p "$ordner"
starte_x 1024x768x24
starte_atspi

anmelden() {
    starte_programm --ordner "$ordner"
    warte_auf_fenster >/dev/null
    atspi warte "Benutzername" --rolle "text" >/dev/null || fehlschlag "das Namensfeld erscheint nicht"
    xdotool type --delay 40 "jürgen"
    xdotool key Return
    atspi warte "Extras" --rolle "push button" >/dev/null || fehlschlag "die Anmeldung gelingt nicht"
}

# SQLite is loaded when the history is first opened, not at start.
sqlite_geladen() { grep -q "libsqlite3" "/proc/$PROGRAMM_PID/maps"; }

anmelden
! sqlite_geladen || fehlschlag "SQLite ist schon nach der Anmeldung geladen"
klicke_mit_maus "Start" --rolle "push button"
klicke_mit_maus "Start mit Lektion 1" --rolle "push button"
atspi warte "Geforderter Buchstabe.*" >/dev/null || fehlschlag "die Buchstabenübung erscheint nicht"
xdotool type --delay 40 "x"
for _ in $(seq 1 15); do xdotool type --delay 25 "asdfjklö "; done
sleep 0.5
kill -TERM "$PROGRAMM_PID"
warte_auf_ende 10
[ -f "$ordner/Lernverlauf.db" ] || fehlschlag "Lernverlauf.db wurde nicht angelegt"

# The exports, without a display.
(unset DISPLAY; "$PROGRAMM" --ordner "$ordner" --klassenliste "$ARBEIT/klasse.csv" --lernverlauf "$ARBEIT/verlauf.csv") ||
    fehlschlag "die Ausgabe als CSV endet mit $?"
head -c 3 "$ARBEIT/klasse.csv" | od -An -tx1 | grep -q "ef bb bf" || fehlschlag "die Klassenliste beginnt ohne Byte-Reihenfolge-Zeichen"
grep -q $'^JÜRGEN;1;B;1;1;' "$ARBEIT/klasse.csv" || fehlschlag "JÜRGEN fehlt in der Klassenliste: $(cat "$ARBEIT/klasse.csv")"
[ "$(wc -l <"$ARBEIT/verlauf.csv")" = 2 ] || fehlschlag "der Lernverlauf hat nicht genau eine Übung: $(cat "$ARBEIT/verlauf.csv")"
zeile=$(sed -n 2p "$ARBEIT/verlauf.csv")
IFS=';' read -r name _ _ lektion stufe tastatur anschlaege _ <<<"$zeile"
[ "$name;$lektion;$stufe;$tastatur" = "JÜRGEN;1;B;deutsch" ] || fehlschlag "falsche Übung im Lernverlauf: $zeile"
[ "$anschlaege" -ge 10 ] || fehlschlag "zu wenige Anschläge im Lernverlauf: $zeile"
(unset DISPLAY; "$PROGRAMM" --ordner "$ARBEIT/gibtsnicht" --klassenliste "$ARBEIT/k2.csv" 2>"$ARBEIT/fehler.txt") &&
    fehlschlag "ein fehlender Ordner endet nicht mit einem Fehler"
grep -q "existiert nicht" "$ARBEIT/fehler.txt" || fehlschlag "keine deutsche Meldung: $(cat "$ARBEIT/fehler.txt")"

# The next run: the history window and the heatmap.
anmelden
klicke_mit_maus "Extras" --rolle "push button"
klicke_mit_maus "Lernverlauf" --rolle "push button"
atspi warte "Lernverlauf von JÜRGEN" --rolle label >/dev/null || fehlschlag "das Fenster Lernverlauf erscheint nicht"
atspi warte "Übungen: 1, Übungszeit insgesamt: .*" --rolle label >/dev/null || fehlschlag "der Lernverlauf zeigt die Übung nicht"
sqlite_geladen || fehlschlag "der Lernverlauf erscheint, ohne dass SQLite geladen ist"
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"
klicke_mit_maus "Schließen" --rolle "push button"
klicke_mit_maus "Die Tastatur" --rolle "push button"
klicke_mit_maus "Fehlerquote je Taste zeigen" --rolle "check box"
atspi warte "Schwächste Zeichen: .*" --rolle label >/dev/null || fehlschlag "die schwächsten Zeichen werden nicht genannt"
kill -TERM "$PROGRAMM_PID"
warte_auf_ende 10
echo "1 passed, 0 failed"
