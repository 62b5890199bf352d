#!/usr/bin/env bash
# The built program under a real X server of 1920 x 1080: the screens are one picture scaled to the window
# and centred. The red keys of the on-screen keyboard are measured in screenshots: maximised, and after the
# window has been made smaller, they keep their proportions, stay centred and inside the window.
source "$(dirname "$0")/xumgebung.sh"

command -v convert >/dev/null || { echo "imagemagick fehlt: übersprungen"; echo "0 passed, 0 failed"; exit 0; }

# The box around the pure red pixels of a part of a screenshot (below the logo): width height left top.
rote_flaeche() {
    convert "$1" -crop "$2" +repage -fill black +opaque "#FF0000" -format "%@" info: |
        sed -E 's/^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$/\1 \2 \3 \4/'
    echo
}

ordner="$ARBEIT/ordner"
mkdir -p "$ordner"
starte_x 1920x1080x24
starte_programm --ordner "$ordner"
fenster=$(warte_auf_fenster)
sleep 1

bildschirmfoto "$ARBEIT/gross.png"
read -r b1 h1 x1 y1 < <(rote_flaeche "$ARBEIT/gross.png" 1920x900+0+180)
[ "$b1" -gt 700 ] || fehlschlag "die Tastatur ist auf 1920 x 1080 nur $b1 Pixel breit"
mitte=$(( x1 + b1 / 2 ))
[ $(( mitte > 960 ? mitte - 960 : 960 - mitte )) -le 40 ] || fehlschlag "die Tastatur steht nicht in der Mitte (Mitte bei $mitte)"
[ $(( y1 + h1 )) -le 900 ] || fehlschlag "die Tastatur reicht unter den Bildschirm"

xdotool windowsize "$fenster" 1024 768
sleep 1
bildschirmfoto "$ARBEIT/klein.png"
read -r b2 h2 x2 y2 < <(rote_flaeche "$ARBEIT/klein.png" 1024x640+0+128)
[ $(( x2 + b2 )) -le 1024 ] && [ $(( y2 + h2 )) -le 640 ] || fehlschlag "die Tastatur reicht über das Fenster hinaus"
# The same picture, smaller: width and height shrink by the same factor (within rounding).
abweichung=$(( (b1 * h2 - b2 * h1) * 100 / (b1 * h2) ))
[ "${abweichung#-}" -le 3 ] || fehlschlag "die Tastatur hat ihre Seitenverhältnisse verloren ($b1x$h1 zu $b2x$h2)"
[ "$b2" -lt "$b1" ] || fehlschlag "die Tastatur ist im kleineren Fenster nicht kleiner geworden"
mitte=$(( x2 + b2 / 2 ))
[ $(( mitte > 512 ? mitte - 512 : 512 - mitte )) -le 30 ] || fehlschlag "die Tastatur steht im kleineren Fenster nicht in der Mitte"
[ -n "${TASTWERK_FOTO:-}" ] && cp "$ARBEIT/klein.png" "$TASTWERK_FOTO"
echo "1 passed, 0 failed"
