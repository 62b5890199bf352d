#!/usr/bin/env bash
# The built program under a real X server: a learner types a name with an umlaut and Return; the user
# file then holds one record with that name in Windows-1252. Terminating the program saves the session.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
mkdir -p "$ordner"
starte_x
starte_programm --ordner "$ordner"
fenster=$(warte_auf_fenster)
sleep 0.3
xdotool type --delay 60 "jürgen"
xdotool key Return
for _ in $(seq 1 50); do [ -s "$ordner/Benutzer.dat" ] && break; sleep 0.1; done

[ -f "$ordner/Benutzer.dat" ] || fehlschlag "Benutzer.dat wurde nicht angelegt"
[ -d "$ordner/Texte" ] || fehlschlag "der Ordner Texte wurde nicht angelegt"
groesse=$(stat -c %s "$ordner/Benutzer.dat")
[ "$groesse" = 376 ] || fehlschlag "Benutzer.dat hat $groesse Bytes statt 376"
name=$(head -c 7 "$ordner/Benutzer.dat" | od -An -tx1 | tr -d ' \n')
[ "$name" = "064adc5247454e" ] || fehlschlag "der Name steht nicht als JÜRGEN in Windows-1252 im Satz: $name"
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"

# Benutzungen (offset 68) is 0 until the first save, which terminating the program performs.
[ "$(od -An -j68 -N2 -tu2 "$ordner/Benutzer.dat" | tr -d ' ')" = 0 ] || fehlschlag "Benutzungen ist vor dem Speichern nicht 0"
kill -TERM "$PROGRAMM_PID"
warte_auf_ende 10
[ "$(od -An -j68 -N2 -tu2 "$ordner/Benutzer.dat" | tr -d ' ')" = 1 ] || fehlschlag "Beenden hat die Sitzung nicht gespeichert"
echo "1 passed, 0 failed"
