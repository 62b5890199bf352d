#!/usr/bin/env bash
# The built program used without a mouse during the letter exercise, read through the accessibility
# interface: Escape pauses and continues; F4, F2, F3 show the statistics, the keyboard and the settings;
# while paused, Tab reaches "Zurück zum Hauptmenü" and Return brings the main menu; F5 leaves an exercise
# as well. The learning history shows that neither the keys typed in the pause nor the command keys
# counted as keystrokes. Then an own text: Escape, F3 and F6 pause, open the settings and start again,
# and paused, Tab reaches "Hauptmenü", which Return presses.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
mkdir -p "$ordner/Texte"
printf 'abc def\r\nghi\r\n' >"$ordner/Texte/zwei.TXT"
starte_x
starte_atspi
starte_programm --ordner "$ordner"
warte_auf_fenster >/dev/null
name_eingeben "anna"

# Errors are only counted and make no sound, so that every key of the exercise is one keystroke at once.
atspi klicke "&?Einstellungen" --rolle "push button" || fehlschlag "kein Knopf Einstellungen"
klicke_mit_maus "nur zählen" --rolle "radio button"
klicke_mit_maus "Bei" --rolle "check box"

lektion_beginnen() {
    atspi klicke "&?Start" --rolle "push button" || fehlschlag "kein Knopf Start"
    atspi klicke ".*Start mit Lektion 1" --rolle "push button" || fehlschlag "kein Knopf Start mit Lektion 1"
    sleep 0.3
    xdotool type --delay 60 "x"
    atspi warte "Statusleiste" >/dev/null || fehlschlag "die Statusleiste erscheint nicht"
}

# 9 keystrokes, then 27 typed in the pause, then 9 more: the history will say 18 and some, never 45.
lektion_beginnen
xdotool type --delay 40 "asdfjklö "
xdotool key Escape
atspi warte "Pause beenden" --rolle "push button" >/dev/null || fehlschlag "Escape pausiert nicht"
atspi warte "- P A U S E -" --rolle label >/dev/null || fehlschlag "die Statusleiste zeigt die Pause nicht"
xdotool type --delay 40 "asdfjklö asdfjklö asdfjklö "
xdotool key Escape
atspi warte "Pause" --rolle "push button" >/dev/null || fehlschlag "Escape setzt die Übung nicht fort"
xdotool type --delay 40 "asdfjklö "

xdotool key F4
atspi warte "Wieviele Fehler machen Sie mit welchem Finger\?|Fehlerstatistik.*" --rolle panel >/dev/null ||
    fehlschlag "F4 zeigt die Fehlerstatistik nicht"
atspi fehlt "Die Tastatur" --rolle panel || fehlschlag "F4 lässt die Tastatur stehen"
xdotool key F2
atspi warte "Die Tastatur" --rolle panel >/dev/null || fehlschlag "F2 zeigt die Tastatur nicht"
xdotool key F3
atspi warte "Weiter üben" --rolle "push button" >/dev/null || fehlschlag "F3 öffnet die Einstellungen nicht"
xdotool key F3
atspi fehlt "Weiter üben" --rolle "push button" || fehlschlag "F3 schließt die Einstellungen nicht"

# Paused, Tab walks through the exercise's buttons to "Zurück zum Hauptmenü"; Return presses it.
xdotool key Escape
atspi warte "Pause beenden" --rolle "push button" >/dev/null || fehlschlag "Escape pausiert nicht"
tab_bis "Zurück zum Hauptmenü"
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"
xdotool key Return
atspi fehlt "Buchstabenübung.*" || fehlschlag "Return bringt das Hauptmenü nicht"
atspi warte "&?Start" --rolle "push button" >/dev/null || fehlschlag "das Hauptmenü erscheint nicht"

lektion_beginnen
xdotool key F5
atspi fehlt "Statusleiste" || fehlschlag "F5 führt nicht zum Hauptmenü"

anschlaege() { atspi alle "Anschläge: [0-9]+" --rolle label --alle | sed -n "1s/^.*'\(Anschläge: [0-9]*\)'.*$/\1/p"; }

eigene_texte_oeffnen
atspi klicke "Text üben" --rolle "push button" || fehlschlag "der Knopf Text üben fehlt"
sleep 1
xdotool type --delay 20 "$ordner/Texte/zwei.TXT"
xdotool key Return
atspi klicke "Start" --rolle "push button" || fehlschlag "der Knopf Start der Vorschau fehlt"
atspi warte "Zeile 1 von 2" --rolle label >/dev/null || fehlschlag "der eigene Text beginnt nicht"
# Without a window manager no window is active once the file dialog has closed; a click on the line label
# makes the main window the active one again, as a desktop does by itself.
klicke_mit_maus "Zeile 1 von 2" --rolle label
sleep 0.3
xdotool type --delay 40 "abc"
xdotool key Escape
atspi warte "Pause beenden" --rolle "push button" >/dev/null || fehlschlag "Escape pausiert den eigenen Text nicht"
vorher=$(anschlaege)
xdotool type --delay 40 " def"
sleep 0.3
[ "$(anschlaege)" = "$vorher" ] || fehlschlag "in der Pause des eigenen Texts zählen Tasten"
xdotool key Escape
atspi warte "Pause" --rolle "push button" >/dev/null || fehlschlag "Escape setzt den eigenen Text nicht fort"
xdotool key F3
atspi warte "Weiter üben" --rolle "push button" >/dev/null || fehlschlag "F3 öffnet die Einstellungen nicht"
xdotool key F3
atspi fehlt "Weiter üben" --rolle "push button" || fehlschlag "F3 schließt die Einstellungen nicht"
xdotool type --delay 40 " def"
xdotool key Return
atspi warte "Zeile 2 von 2" --rolle label >/dev/null || fehlschlag "die erste Zeile wird nicht fertig"
xdotool key F6
atspi warte "Zeile 1 von 2" --rolle label >/dev/null || fehlschlag "F6 fängt nicht neu an"
xdotool key Escape
atspi warte "Pause beenden" --rolle "push button" >/dev/null || fehlschlag "Escape pausiert nicht"
tab_bis "Hauptmenü"
xdotool key Return
atspi warte "&?Start" --rolle "push button" >/dev/null || fehlschlag "Return bringt das Hauptmenü nicht"
atspi fehlt "Zeile [0-9]+ von 2" --rolle label || fehlschlag "die Übung des eigenen Texts bleibt stehen"
kill -TERM "$PROGRAMM_PID"
warte_auf_ende 10

# What the first exercise counted, from the learning history.
(unset DISPLAY; "$PROGRAMM" --ordner "$ordner" --lernverlauf "$ARBEIT/verlauf.csv") ||
    fehlschlag "die Ausgabe des Lernverlaufs endet mit $?"
zeile=$(sed -n 2p "$ARBEIT/verlauf.csv")
IFS=';' read -r _ _ _ lektion stufe _ anschlaege _ <<<"$zeile"
[ "$lektion;$stufe" = "1;B" ] || fehlschlag "falsche Übung im Lernverlauf: $zeile"
[ "$anschlaege" -ge 18 ] && [ "$anschlaege" -le 19 ] ||
    fehlschlag "die Übung zählte $anschlaege Anschläge statt 18 (Tasten der Pause oder Befehlstasten mitgezählt?)"
echo "1 passed, 0 failed"
