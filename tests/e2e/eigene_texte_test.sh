#!/usr/bin/env bash
# The built program under a real X server: an own text is chosen, previewed and practised; a new text
# is written and saved, saved again under its name only after the question; a text is changed and
# saved back without a question. The files are checked byte for byte.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
mkdir -p "$ordner/Texte"
printf 'Das ist ein kurzer Text.\r\nZweite Zeile mit Umlauten: \xe4\xf6\xfc\xdf\r\n' >"$ordner/Texte/kurz.TXT"

# Types a path into the file dialog that has just opened, and confirms it.
im_dialog() {
    sleep 1
    xdotool type --delay 20 "$1"
    xdotool key Return
}
# The file's bytes as od prints them, for a comparison.
bytes() { od -An -c "$1" | tr -s ' \n' ' '; }

starte_x
starte_atspi
starte_programm --ordner "$ordner"
warte_auf_fenster >/dev/null
name_eingeben "anna"
eigene_texte_oeffnen

# Text üben: preview with its counts, then the exercise.
atspi klicke "Text üben" --rolle "push button" || fehlschlag "der Knopf Text üben fehlt"
im_dialog "$ordner/Texte/kurz.TXT"
atspi warte "Zeilen: 2   Zeichen: 55" --rolle label >/dev/null || fehlschlag "die Vorschau zählt den Text nicht"
atspi klicke "Start" --rolle "push button" || fehlschlag "der Knopf Start fehlt"
atspi warte "Zeile 1 von 2" --rolle label >/dev/null || fehlschlag "die Zeilenanzeige fehlt"
sleep 0.5
xdotool type --delay 60 "Das ist ein kurzer Text."
xdotool key Return
atspi warte "Zeile 2 von 2" --rolle label >/dev/null || fehlschlag "die erste Zeile wird nicht fertig"
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"
klicke_mit_maus "Hauptmenü" --rolle "push button"

# Text neu erstellen: saved as Windows-1252 with CR LF; a name without extension gets ".TXT".
eigene_texte_oeffnen
atspi klicke "Text neu erstellen" --rolle "push button" || fehlschlag "der Knopf Text neu erstellen fehlt"
atspi warte "Text speichern" --rolle "push button" >/dev/null || fehlschlag "der Editor für einen neuen Text fehlt"
sleep 0.5
xdotool type --delay 30 "Neuer Text"
xdotool key Return
xdotool type --delay 30 "Grüße"
atspi klicke "Text speichern" --rolle "push button" || fehlschlag "der Knopf Text speichern fehlt"
im_dialog "$ordner/Texte/neu"
for _ in $(seq 1 50); do [ -f "$ordner/Texte/neu.TXT" ] && break; sleep 0.1; done
erwartet=$(printf 'Neuer Text\r\nGr\xfc\xdfe' >"$ARBEIT/erwartet" && bytes "$ARBEIT/erwartet")
[ "$(bytes "$ordner/Texte/neu.TXT")" = "$erwartet" ] || fehlschlag "neu.TXT hält: $(bytes "$ordner/Texte/neu.TXT")"

# The same name once more: asked first, and "Nein" leaves the file as it was.
xdotool type --delay 30 " und mehr"
atspi klicke "Text speichern" --rolle "push button" || fehlschlag "der Knopf Text speichern fehlt"
im_dialog "$ordner/Texte/neu.TXT"
atspi warte "Warnung: Eine Datei mit diesem Namen besteht schon!.*" --rolle label >/dev/null ||
    fehlschlag "die Frage vor dem Überschreiben fehlt"
atspi klicke "&?Nein" --rolle "push button" || fehlschlag "die Frage hat keinen Knopf Nein"
sleep 0.5
[ "$(bytes "$ordner/Texte/neu.TXT")" = "$erwartet" ] || fehlschlag "neu.TXT wurde trotz Nein überschrieben"

# Text ändern: saved back into the file read, without a question.
atspi klicke "Text ändern" --rolle "push button" || fehlschlag "der Knopf Text ändern fehlt"
im_dialog "$ordner/Texte/kurz.TXT"
atspi warte "Änderungen speichern" --rolle "push button" >/dev/null || fehlschlag "der Editor zum Ändern fehlt"
sleep 0.5
xdotool key ctrl+End
xdotool type --delay 30 "Dritte"
atspi klicke "Änderungen speichern" --rolle "push button" || fehlschlag "der Knopf Änderungen speichern fehlt"
atspi fehlt ".*besteht schon.*" --rolle label --sekunden 2 || fehlschlag "Änderungen speichern fragt"
sleep 0.5
erwartet=$(printf 'Das ist ein kurzer Text.\r\nZweite Zeile mit Umlauten: \xe4\xf6\xfc\xdf\r\nDritte' \
    >"$ARBEIT/erwartet" && bytes "$ARBEIT/erwartet")
[ "$(bytes "$ordner/Texte/kurz.TXT")" = "$erwartet" ] || fehlschlag "kurz.TXT hält: $(bytes "$ordner/Texte/kurz.TXT")"
echo "1 passed, 0 failed"
