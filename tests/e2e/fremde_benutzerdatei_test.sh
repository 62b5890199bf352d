#!/usr/bin/env bash
# The built program under a real X server, started in a folder whose Benutzer.dat is no user file (random
# bytes). The learner types a name and Return: the program says the file is no user file of Tastwerk.
# First the learner chooses another folder, where the sign-in then succeeds; in a second run the learner
# ends the program. The foreign file is never changed and nothing is put beside it.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
anderer="$ARBEIT/anderer"
mkdir -p "$ordner" "$anderer"
head -c 5000 /dev/urandom >"$ordner/Benutzer.dat"
cp "$ordner/Benutzer.dat" "$ARBEIT/vorher.dat"
starte_x
starte_atspi

unveraendert() {
    cmp -s "$ARBEIT/vorher.dat" "$ordner/Benutzer.dat" || fehlschlag "die fremde Datei wurde verändert ($1)"
    [ "$(ls -A "$ordner")" = "Benutzer.dat" ] || fehlschlag "neben der fremden Datei liegt etwas ($1): $(ls -A "$ordner")"
}

anmelden() {
    warte_auf_fenster >/dev/null
    atspi warte "Bitte geben Sie Ihren Benutzernamen ein:" --rolle label >/dev/null ||
        fehlschlag "die Namensaufforderung erscheint nicht"
    xdotool type --delay 60 "anna"
    xdotool key Return
    atspi warte ".*ist keine Benutzerdatei von Tastwerk.*" --rolle label >/dev/null ||
        fehlschlag "keine Meldung, dass die Datei keine Benutzerdatei ist"
}

# Run 1: another folder.
starte_programm --ordner "$ordner"
anmelden
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"
atspi klicke "Anderen Ordner wählen …" --rolle "push button" || fehlschlag "der Knopf zur Ordnerwahl fehlt"
sleep 1
# The folder dialog has the keyboard focus in its name box: type the folder and confirm.
xdotool type --delay 20 "$anderer"
xdotool key Return
# The record is written first, the folder Texte right after it: wait for both.
for _ in $(seq 1 50); do [ -s "$anderer/Benutzer.dat" ] && [ -d "$anderer/Texte" ] && break; sleep 0.1; done
[ "$(stat -c %s "$anderer/Benutzer.dat" 2>/dev/null)" = 376 ] || fehlschlag "im gewählten Ordner wurde niemand angelegt"
[ -d "$anderer/Texte" ] || fehlschlag "im gewählten Ordner fehlt der Ordner Texte"
atspi warte "Start" --rolle "push button" >/dev/null || fehlschlag "das Hauptmenü erscheint nicht"
unveraendert "nach der Ordnerwahl"
kill -TERM "$PROGRAMM_PID"
warte_auf_ende 10
[ "$(od -An -j68 -N2 -tu2 "$anderer/Benutzer.dat" | tr -d ' ')" = 1 ] ||
    fehlschlag "die Sitzung wurde nicht im gewählten Ordner gespeichert"
unveraendert "nach dem Beenden"

# Run 2: end the program.
starte_programm --ordner "$ordner"
anmelden
atspi klicke "Beenden" --rolle "push button" || fehlschlag "der Knopf Beenden fehlt"
warte_auf_ende 10
unveraendert "nach Beenden"
echo "1 passed, 0 failed"
