#!/usr/bin/env bash
# The built program under a real X server, read through the accessibility interface: a teacher signed
# in as one of three learners opens Extras → "einsehen", clicks another learner's row, types the access
# word, and the timer enables "Benutzer löschen"; a click deletes that learner from the user file. The
# signed-in learner's own row is refused and the file stays as it was.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
mkdir -p "$ordner"
starte_x 1024x768x24
starte_atspi

# The names in the user file, one a line, in file order (376-byte records, length-prefixed name).
namen() {
    /usr/bin/python3 - "$ordner/Benutzer.dat" <<'PY'
import sys
daten = open(sys.argv[1], "rb").read()
for i in range(0, len(daten), 376):
    satz = daten[i:i + 376]
    print(satz[1:1 + satz[0]].decode("cp1252"))
PY
}

anmelden() {
    starte_programm --ordner "$ordner"
    warte_auf_fenster >/dev/null
    atspi warte "Benutzername" --rolle "text" >/dev/null || fehlschlag "das Namensfeld erscheint nicht"
    xdotool type --delay 40 "$1"
    xdotool key Return
    atspi warte "Extras" --rolle "push button" >/dev/null || fehlschlag "$1 ist nicht angemeldet"
}

beenden() {
    kill -TERM "$PROGRAMM_PID"
    warte_auf_ende 10
}

loeschknopf_frei() {
    atspi zustand "Benutzer löschen" --rolle "push button" | grep -qx enabled
}

warte_bis_loeschknopf_frei() {
    for _ in $(seq 1 30); do
        loeschknopf_frei && return 0
        sleep 0.1
    done
    fehlschlag "\"Benutzer löschen\" wird mit dem Zugangswort nicht frei"
}

# Three learners, each signed in once.
for name in anna bernd carl; do
    anmelden "$name"
    beenden
done
[ "$(namen | tr '\n' ' ')" = "ANNA BERND CARL " ] || fehlschlag "die drei Benutzer stehen nicht in der Datei: $(namen)"

# Bernd signs in and opens the user table from the Extras screen.
anmelden bernd
klicke_mit_maus "Extras" --rolle "push button"
klicke_mit_maus "einsehen" --rolle "push button"
atspi warte " ANNA" --rolle "table cell" >/dev/null || fehlschlag "die Benutzertabelle zeigt Anna nicht"

# Anna's row: the panel asks, the button stays grey until the access word is typed.
klicke_mit_maus " ANNA" --rolle "table cell"
atspi warte "(?s)Möchten Sie den Benutzer Nr\.1\n\" ANNA\"\n-unwiderruflich aus der Benutzerliste löschen\?" \
    --rolle "label" >/dev/null || fehlschlag "die Löschfrage zu Anna erscheint nicht"
sleep 0.6
loeschknopf_frei && fehlschlag "\"Benutzer löschen\" ist ohne Zugangswort frei"
xdotool type --delay 60 "tovik"
warte_bis_loeschknopf_frei
klicke_mit_maus "Benutzer löschen" --rolle "push button"
atspi fehlt " ANNA" --rolle "table cell" || fehlschlag "Anna steht nach dem Löschen noch in der Tabelle"
[ "$(namen | tr '\n' ' ')" = "CARL BERND " ] || fehlschlag "die Datei hält nach dem Löschen nicht Carl und Bernd: $(namen)"
[ "$(stat -c %s "$ordner/Benutzer.dat")" = 752 ] || fehlschlag "die Datei hat nach dem Löschen nicht zwei Sätze"
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"

# Bernd's own row is refused: the message appears and the file stays byte for byte.
cp "$ordner/Benutzer.dat" "$ARBEIT/vorher.dat"
klicke_mit_maus " BERND" --rolle "table cell"
atspi warte "(?s)Möchten Sie den Benutzer Nr\.2\n\" BERND\"\n.*" --rolle "label" >/dev/null ||
    fehlschlag "die Löschfrage zu Bernd erscheint nicht"
xdotool type --delay 60 "tovik"
warte_bis_loeschknopf_frei
klicke_mit_maus "Benutzer löschen" --rolle "push button"
atspi warte "(?s)Zugriff verweigert!\n\nAktive Benutzer können nicht gelöscht werden!" >/dev/null ||
    fehlschlag "die Verweigerung erscheint nicht"
cmp -s "$ordner/Benutzer.dat" "$ARBEIT/vorher.dat" || fehlschlag "die verweigerte Löschung hat die Datei geändert"
xdotool key Return
atspi fehlt "(?s)Zugriff verweigert!.*" || fehlschlag "die Verweigerung geht nicht zu"
atspi warte " BERND" --rolle "table cell" >/dev/null || fehlschlag "Bernd fehlt in der Tabelle"
cmp -s "$ordner/Benutzer.dat" "$ARBEIT/vorher.dat" || fehlschlag "die verweigerte Löschung hat die Datei geändert"
echo "1 passed, 0 failed"
