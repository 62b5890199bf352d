#!/usr/bin/env bash
# The built program under a real X server: an own text holding DEL (byte 127) is chosen for practice.
# The program names the character visibly when the text is loaded, and Start stays disabled, since no
# keystroke could ever type the text to its end.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
mkdir -p "$ordner/Texte"
printf 'Hallo\x7fWelt\r\n' >"$ordner/Texte/loeschzeichen.TXT"
starte_x
starte_atspi
starte_programm --ordner "$ordner"
warte_auf_fenster >/dev/null
name_eingeben "anna"
eigene_texte_oeffnen
atspi klicke "Text üben" --rolle "push button" || fehlschlag "der Knopf Text üben fehlt"
sleep 1
# The open dialog starts in the folder Texte with the focus in its name box.
xdotool type --delay 20 "$ordner/Texte/loeschzeichen.TXT"
xdotool key Return
atspi warte ".*U\+007F \(Löschzeichen\).*" --rolle label >/dev/null ||
    fehlschlag "die Meldung nennt das Löschzeichen nicht"
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"
atspi klicke "OK" --rolle "push button" || fehlschlag "die Meldung hat keinen Knopf OK"
atspi fehlt ".*U\+007F \(Löschzeichen\).*" --rolle label || fehlschlag "die Meldung schließt nicht"
# The preview shows the text's counts beside its own Start button (the main menu is hidden meanwhile).
atspi warte "Zeilen: 1   Zeichen: 10" --rolle label >/dev/null || fehlschlag "die Vorschau zählt den Text nicht"
zustand=$(atspi zustand "Start" --rolle "push button") || fehlschlag "der Knopf Start der Vorschau fehlt"
grep -qx enabled <<<"$zustand" && fehlschlag "Start ist für einen Text mit Löschzeichen freigegeben"
echo "1 passed, 0 failed"
