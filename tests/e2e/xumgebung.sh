# Shared by the end-to-end tests: a private X server, and the program started in it.
# Source this file; it defines starte_x, starte_programm, warte_auf_fenster, bildschirmfoto, aufraeumen.

set -euo pipefail

PROGRAMM=${1:?Pfad zum Programm tastwerk fehlt}
ARBEIT=$(mktemp -d "${TMPDIR:-/tmp}/tastwerk-e2e-XXXXXX")
export XDG_RUNTIME_DIR="$ARBEIT/laufzeit"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
X_PID=""
PROGRAMM_PID=""
DBUS_PID=""
ATSPI_PID=""

aufraeumen() {
    [ -n "$PROGRAMM_PID" ] && kill "$PROGRAMM_PID" 2>/dev/null || true
    [ -n "$ATSPI_PID" ] && kill "$ATSPI_PID" 2>/dev/null || true
    [ -n "$DBUS_PID" ] && kill "$DBUS_PID" 2>/dev/null || true
    [ -n "$X_PID" ] && kill "$X_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$ARBEIT"
}
trap aufraeumen EXIT

fehlschlag() {
    echo "FEHLER: $*" >&2
    [ -f "$ARBEIT/programm.log" ] && sed 's/^/  programm: /' "$ARBEIT/programm.log" >&2
    exit 1
}

# A new X server on a free display; -noreset keeps its keyboard settings between clients.
starte_x() {
    command -v Xvfb >/dev/null || fehlschlag "Xvfb ist nicht installiert"
    local nummer="" versuch
    # On a busy machine Xvfb may take long to come up, or lose a race for a display number: wait up to
    # 30 seconds, and try a second time if it ended.
    for versuch in 1 2; do
        exec {fd}<> <(:)
        Xvfb -displayfd "$fd" -screen 0 "${1:-1024x768x24}" -noreset -nolisten tcp >"$ARBEIT/xvfb.log" 2>&1 &
        X_PID=$!
        for _ in $(seq 1 300); do
            if read -r -t 0.1 nummer <&"$fd" && [ -n "$nummer" ]; then break; fi
            kill -0 "$X_PID" 2>/dev/null || break
        done
        exec {fd}>&-
        [ -n "$nummer" ] && break
        kill "$X_PID" 2>/dev/null || true
        wait "$X_PID" 2>/dev/null || true
        X_PID=""
    done
    [ -n "$nummer" ] || fehlschlag "Xvfb startet nicht: $(tail -n 3 "$ARBEIT/xvfb.log" | tr '\n' ' ')"
    export DISPLAY=":$nummer"
}

# A private session bus and accessibility bus, so that the program's window can be read with atspi.py.
# Call it after starte_x and before starte_programm.
starte_atspi() {
    command -v dbus-daemon >/dev/null || fehlschlag "dbus-daemon ist nicht installiert"
    [ -x /usr/libexec/at-spi-bus-launcher ] || fehlschlag "at-spi2-core ist nicht installiert"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fehlschlag "python3-pyatspi ist nicht installiert"
    local info
    info=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1) || fehlschlag "dbus-daemon startet nicht"
    export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$info")
    DBUS_PID=$(sed -n 2p <<<"$info")
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$ARBEIT/atspi.log" 2>&1 &
    ATSPI_PID=$!
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
    for _ in $(seq 1 50); do
        dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" && return 0
        sleep 0.1
    done
    fehlschlag "der Accessibility-Bus startet nicht"
}

# Reads or drives the window through AT-SPI; see the top of atspi.py for the verbs.
atspi() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"
}

# A real mouse click in the middle of the element that atspi.py finds (same arguments as its verbs).
# name_eingeben NAME: signs in as a learner would, typing the name into the name field and Return.
name_eingeben() {
    atspi warte "Bitte geben Sie Ihren Benutzernamen ein:" --rolle label >/dev/null ||
        fehlschlag "die Namensaufforderung erscheint nicht"
    xdotool type --delay 50 "$1"
    xdotool key Return
}

# eigene_texte_oeffnen: from the main menu through "Extras" to the screen "Eigene Texte üben".
eigene_texte_oeffnen() {
    atspi klicke "E&?xtras" --rolle "push button" || fehlschlag "der Knopf Extras fehlt"
    atspi klicke "Eigene Texte üben" --rolle "push button" || fehlschlag "der Knopf Eigene Texte üben fehlt"
}

# tab_bis NAME [ROLE]: Tab, step by step, until the element (a push button unless ROLE says otherwise) has
# the focus; fails when it never comes.
tab_bis() {
    for _ in $(seq 1 40); do
        xdotool key Tab
        sleep 0.1
        atspi zustand "$1" --rolle "${2:-push button}" | grep -qx focused && return 0
    done
    fehlschlag "Tab erreicht \"$1\" nicht"
}

# hat_fokus NAME [ROLE]: true once the element (a push button unless ROLE says otherwise) has the focus,
# asked again for up to 10 seconds: a loaded machine may take a while to give the focus to a window.
hat_fokus() {
    for _ in $(seq 1 50); do
        atspi zustand "$1" --rolle "${2:-push button}" | grep -qx focused && return 0
        sleep 0.2
    done
    return 1
}

klicke_mit_maus() {
    local mitte
    mitte=$(atspi mitte "$@") || fehlschlag "kein Element $1 zum Anklicken"
    # shellcheck disable=SC2086
    xdotool mousemove $mitte click 1
}

starte_programm() {
    "$PROGRAMM" "$@" >"$ARBEIT/programm.log" 2>&1 &
    PROGRAMM_PID=$!
}

# Waits for the main window and gives it the keyboard focus; prints its window id.
warte_auf_fenster() {
    local id=""
    for _ in $(seq 1 100); do
        id=$(xdotool search --name "^Tastwerk für Windows 95$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && break
        kill -0 "$PROGRAMM_PID" 2>/dev/null || fehlschlag "das Programm ist beendet, bevor sein Fenster erschien"
        sleep 0.1
    done
    [ -n "$id" ] || fehlschlag "das Hauptfenster erscheint nicht"
    xdotool windowfocus --sync "$id" >/dev/null 2>&1 || true
    echo "$id"
}

bildschirmfoto() {
    if command -v import >/dev/null; then import -window root "$1"; fi
}

# Waits until the program has ended; fails after the given seconds.
warte_auf_ende() {
    for _ in $(seq 1 $(( ${1:-10} * 10 ))); do
        kill -0 "$PROGRAMM_PID" 2>/dev/null || { wait "$PROGRAMM_PID" || true; PROGRAMM_PID=""; return 0; }
        sleep 0.1
    done
    fehlschlag "das Programm endet nicht"
}
