#!/usr/bin/env bash
# The built program without a mouse, read through the accessibility interface: after sign-in the main
# menu's first button holds the focus; Alt+X shows Extras, where Tab reaches "Schreibregeln", which
# Return opens; Shift+F10 on the slider "Lektion direkt anwählen" opens its popup, whose "start" shows
# the introduction of the chosen lesson.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
mkdir -p "$ordner"
starte_x
starte_atspi
starte_programm --ordner "$ordner"
fenster=$(warte_auf_fenster)
name_eingeben "anna"

atspi warte "&?Start" --rolle "push button" >/dev/null || fehlschlag "das Hauptmenü erscheint nicht"
# Without a window manager the window is not the active one by itself; a desktop makes it so.
xdotool windowfocus "$fenster"
hat_fokus "&?Start" || fehlschlag "nach der Anmeldung hat der Knopf Start nicht den Fokus"

# Alt+X, Tab to "Schreibregeln", Return opens them.
xdotool key alt+x
atspi warte "Lektion direkt anwählen" --rolle slider >/dev/null || fehlschlag "Alt+X zeigt Extras nicht"
tab_bis "Schreib&?regeln" "push button"
xdotool key Return
atspi warte "Die wichtigsten Schreibregeln" >/dev/null || fehlschlag "Return öffnet die Schreibregeln nicht"
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"

# Back to Extras; Shift+F10 on the slider opens its popup, whose "start" begins the chosen lesson.
xdotool key alt+x
atspi warte "Lektion direkt anwählen" --rolle slider >/dev/null || fehlschlag "Alt+X zeigt Extras nicht"
tab_bis "Lektion direkt anwählen" slider
xdotool key shift+F10
sleep 0.5
xdotool key Down Return
atspi warte ".*Start mit Lektion 1" --rolle "push button" >/dev/null ||
    fehlschlag "Umschalt+F10 öffnet das Popup mit start nicht"
echo "1 passed, 0 failed"
