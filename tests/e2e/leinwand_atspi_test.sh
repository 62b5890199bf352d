#!/usr/bin/env bash
# The built program on a wide screen (1366 x 768), read through the accessibility interface: in the letter
# exercise the demanded letter, the legend and "Zurück zum Hauptmenü" lie whole inside their group and the
# keyboard leaves the status bar free; on the settings screen the welcome text leaves the colour buttons,
# the sound check boxes and "Schriftart..." free.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
mkdir -p "$ordner"
starte_x 1366x768x24
starte_atspi
starte_programm --ordner "$ordner"
warte_auf_fenster >/dev/null
atspi warte "Bitte geben Sie Ihren Benutzernamen ein:" --rolle label >/dev/null ||
    fehlschlag "die Namensaufforderung erscheint nicht"

# "x y b h" of a showing element, or a failure naming it.
ausmass() {
    atspi ausmass "$@" || fehlschlag "kein Element $1"
}

# Fails unless the first box lies inside the second.
innen() {
    read -r x y b h <<<"$2"
    read -r X Y B H <<<"$4"
    [ "$x" -ge "$X" ] && [ "$y" -ge "$Y" ] && [ $((x + b)) -le $((X + B)) ] && [ $((y + h)) -le $((Y + H)) ] ||
        fehlschlag "$1 ($2) liegt nicht ganz in $3 ($4)"
}

# Fails when the two boxes overlap.
getrennt() {
    read -r x y b h <<<"$2"
    read -r X Y B H <<<"$4"
    [ $((x + b)) -le "$X" ] || [ $((X + B)) -le "$x" ] || [ $((y + h)) -le "$Y" ] || [ $((Y + H)) -le "$y" ] ||
        fehlschlag "$1 ($2) und $3 ($4) überdecken sich"
}

bildschirm="0 0 1366 768"
xdotool type --delay 40 "anna"
xdotool key Return
atspi klicke "&?Start" --rolle "push button" || fehlschlag "kein Knopf Start"
atspi klicke ".*Start mit Lektion 1" --rolle "push button" || fehlschlag "kein Knopf Start mit Lektion 1"
sleep 0.3
xdotool type --delay 60 "a"
atspi warte "Statusleiste" >/dev/null || fehlschlag "die Statusleiste erscheint nicht"

gruppe=$(ausmass "Buchstabenübung Lektion 1")
innen "die Buchstabenübung" "$gruppe" "der Bildschirm" "$bildschirm"
for teil in "Geforderter Buchstabe: .*" "Zurück zum Hauptmenü" "Pause" "Daumen" "Zeigefinger"; do
    box=$(ausmass "$teil")
    innen "$teil" "$box" "die Buchstabenübung" "$gruppe"
done
tastatur=$(ausmass "Die Tastatur")
status=$(ausmass "Statusleiste")
innen "die Statusleiste" "$status" "der Bildschirm" "$bildschirm"
getrennt "die Tastatur" "$tastatur" "die Statusleiste" "$status"
getrennt "die Tastatur" "$tastatur" "die Buchstabenübung" "$gruppe"
box=$(ausmass "Anschläge: [0-9]+")
innen "die Anschläge" "$box" "die Statusleiste" "$status"
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"

atspi klicke "Zurück zum Hauptmenü" --rolle "push button" || fehlschlag "kein Knopf Zurück zum Hauptmenü"
atspi fehlt "Buchstabenübung.*" || fehlschlag "die Buchstabenübung schließt nicht"
atspi klicke "&?Einstellungen" --rolle "push button" || fehlschlag "kein Knopf Einstellungen"
atspi warte "Schriftart.*" --rolle "push button" >/dev/null || fehlschlag "die Einstellungen erscheinen nicht"
text=$(ausmass "Begrüßungstext")
einstellungen=$(ausmass "Einstellungen" --rolle panel)
getrennt "der Begrüßungstext" "$text" "die Einstellungen" "$einstellungen"
for teil in "Schriftart.*" "Standardfarben" "kleiner Finger" "Bei" "Stimme"; do
    box=$(ausmass "$teil")
    innen "$teil" "$box" "die Einstellungen" "$einstellungen"
done
echo "1 passed, 0 failed"
