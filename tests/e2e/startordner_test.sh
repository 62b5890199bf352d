#!/usr/bin/env bash
# Where a learner's data land: a start from the desktop menu (the desktop entry's own command line) keeps
# them in $XDG_DATA_HOME/tastwerk, created on the first start (~/.local/share/tastwerk without
# XDG_DATA_HOME); a start from a terminal keeps them in the current folder; TASTWERK_ORDNER points both
# at a class's shared folder.
source "$(dirname "$0")/xumgebung.sh"
eintrag="$(dirname "$0")/../../paket/de.tastwerk.tastwerk.desktop"
read -ra menuebefehl <<<"$(sed -n 's/^Exec=//p' "$eintrag")"
[ "${menuebefehl[0]}" = tastwerk ] || fehlschlag "der Menüeintrag startet nicht tastwerk: ${menuebefehl[*]}"
PROGRAMM=$(realpath "$PROGRAMM")
menuebefehl[0]=$PROGRAMM
unset XDG_DATA_HOME TASTWERK_ORDNER
faelle=0

# Starts the program in folder $1 with the environment and command given after it, signs a learner in
# and ends the program again.
anmelden_in() {
    local hier=$1
    shift
    mkdir -p "$hier"
    (cd "$hier" && exec env "$@") >"$ARBEIT/programm.log" 2>&1 &
    PROGRAMM_PID=$!
    warte_auf_fenster >/dev/null
    sleep 0.3
    xdotool type --delay 60 "ina"
    xdotool key Return
    sleep 1
    kill -TERM "$PROGRAMM_PID"
    warte_auf_ende 10
    faelle=$((faelle + 1))
}

# Exactly the given folder holds a user file (and the folder Texte) below $ARBEIT.
nur_in() {
    [ -s "$1/Benutzer.dat" ] && [ -d "$1/Texte" ] || fehlschlag "$2: keine Benutzerdatei in $1"
    local alle
    alle=$(find "$ARBEIT" -name Benutzer.dat | sort)
    [ "$alle" = "$1/Benutzer.dat" ] || fehlschlag "$2: Benutzerdateien in: $alle"
    find "$ARBEIT" -name Benutzer.dat -delete
}

starte_x

anmelden_in "$ARBEIT/hier" HOME="$ARBEIT/heim" XDG_DATA_HOME="$ARBEIT/xdg" "${menuebefehl[@]}"
nur_in "$ARBEIT/xdg/tastwerk" "Start aus dem Menü"

anmelden_in "$ARBEIT/hier" HOME="$ARBEIT/heim" "${menuebefehl[@]}"
nur_in "$ARBEIT/heim/.local/share/tastwerk" "Start aus dem Menü ohne XDG_DATA_HOME"

anmelden_in "$ARBEIT/hier" HOME="$ARBEIT/heim" XDG_DATA_HOME="$ARBEIT/xdg" "$PROGRAMM"
nur_in "$ARBEIT/hier" "Start aus dem Terminal"

mkdir -p "$ARBEIT/klasse"
anmelden_in "$ARBEIT/hier" HOME="$ARBEIT/heim" XDG_DATA_HOME="$ARBEIT/xdg" TASTWERK_ORDNER="$ARBEIT/klasse" \
    "${menuebefehl[@]}"
nur_in "$ARBEIT/klasse" "Start aus dem Menü mit TASTWERK_ORDNER"

# A class folder that is missing: a start from the menu says so in a window as well, since no terminal
# shows what it writes there; OK ends the program with status 1.
(cd "$ARBEIT/hier" && exec env HOME="$ARBEIT/heim" TASTWERK_ORDNER="$ARBEIT/fehlt" "${menuebefehl[@]}") \
    >"$ARBEIT/programm.log" 2>&1 &
PROGRAMM_PID=$!
meldung=""
for _ in $(seq 1 100); do
    meldung=$(xdotool search --name "^Tastwerk$" 2>/dev/null | head -n 1 || true)
    [ -n "$meldung" ] && break
    sleep 0.1
done
[ -n "$meldung" ] || fehlschlag "ein fehlender Klassenordner wird im Menüstart nicht im Fenster gemeldet"
grep -qF "»$ARBEIT/fehlt« (aus TASTWERK_ORDNER) existiert nicht." "$ARBEIT/programm.log" ||
    fehlschlag "ein fehlender Klassenordner wird nicht benannt"
xdotool windowfocus --sync "$meldung" key Return
rc=0
wait "$PROGRAMM_PID" || rc=$?
PROGRAMM_PID=""
[ "$rc" = 1 ] || fehlschlag "nach der Meldung endet das Programm mit $rc statt 1"
[ ! -e "$ARBEIT/fehlt" ] || fehlschlag "der fehlende Klassenordner wurde angelegt"
faelle=$((faelle + 1))

echo "$faelle passed, 0 failed"
