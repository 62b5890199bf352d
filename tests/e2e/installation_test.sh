#!/usr/bin/env bash
# The installed program, installed under another prefix than the one configured and run from a copy of
# the installed tree, so that neither the build tree nor the source tree can help it: F1 shows a help
# page, a typing error finds its sound file, and the closing question offers "Ja" and "Nein" (Qt's own
# texts in German). A second copy without its sounds shows that a missing sound is noticed at all.
source "$(dirname "$0")/xumgebung.sh"
atspi=(/usr/bin/python3 "$(cd "$(dirname "$0")" && pwd)/atspi.py")
bau=$(cd "$(dirname "$PROGRAMM")/.." && pwd)
quelle=$(cd "$(dirname "$0")/../.." && pwd)

DESTDIR="$ARBEIT/ziel" cmake --install "$bau" --prefix /opt/tastwerk-probe --strip >"$ARBEIT/install.log" 2>&1 ||
    fehlschlag "cmake --install schlägt fehl: $(tail -3 "$ARBEIT/install.log")"
kopie="$ARBEIT/kopie"
cp -a "$ARBEIT/ziel/opt/tastwerk-probe" "$kopie"
rm -rf "$ARBEIT/ziel"
[ -x "$kopie/bin/tastwerk" ] || fehlschlag "bin/tastwerk fehlt im installierten Baum"
for datei in share/tastwerk/hilfe/index.html share/tastwerk/klaenge/Fehler.wav share/man/man1/tastwerk.1.gz \
    share/applications/de.tastwerk.tastwerk.desktop share/metainfo/de.tastwerk.tastwerk.metainfo.xml \
    share/icons/hicolor/scalable/apps/tastwerk.svg share/icons/hicolor/16x16/apps/tastwerk.png \
    share/icons/hicolor/256x256/apps/tastwerk.png lib/tastwerk/klang/tastwerk_klang.so \
    lib/tastwerk/druck/tastwerk_druck.so; do
    [ -f "$kopie/$datei" ] && [ ! -L "$kopie/$datei" ] || fehlschlag "$datei fehlt im installierten Baum"
done
# Nothing in the installed tree names the source or build tree.
if grep -rlF -e "$quelle" -e "$bau" "$kopie" >"$ARBEIT/verweise" 2>/dev/null; then
    fehlschlag "der installierte Baum verweist auf den Quell- oder Baubaum: $(cat "$ARBEIT/verweise")"
fi

# The program's data come from beside it alone: no other data folder of the machine is searched.
mkdir -p "$ARBEIT/leer" "$ARBEIT/heim"
unset XDG_DATA_HOME TASTWERK_ORDNER
installiert=(XDG_DATA_DIRS="$ARBEIT/leer" HOME="$ARBEIT/heim" "$kopie/bin/tastwerk")

# Signs in, starts lesson 1 and makes typing errors, which ask for the sound "Fehler.wav" (the control
# run below shows that this way does ask for it).
tippfehler_machen() {
    xdotool type --delay 60 "probe"
    xdotool key Return
    "${atspi[@]}" klicke "Start" --rolle "push button" >/dev/null || fehlschlag "kein Knopf Start"
    "${atspi[@]}" klicke "Start mit Lektion 1" --rolle "push button" >/dev/null ||
        fehlschlag "kein Knopf Start mit Lektion 1"
    sleep 0.5
    xdotool key --delay 250 q q q
    sleep 0.3
}

starte_x
starte_atspi
mkdir -p "$ARBEIT/klasse"
cd "$ARBEIT/klasse"
PROGRAMM=env
starte_programm "${installiert[@]}"
fenster=$(warte_auf_fenster)
sleep 0.3

# The window carries the class the desktop entry names (StartupWMClass) and the program's icon.
klasse=$(sed -n 's/^StartupWMClass=//p' "$kopie/share/applications/de.tastwerk.tastwerk.desktop")
[ "$klasse" = Win95TWK ] || fehlschlag "der Menüeintrag nennt die Fensterklasse $klasse"
xprop -id "$fenster" WM_CLASS | grep -q "\"$klasse\"\$" || fehlschlag "Fensterklasse: $(xprop -id "$fenster" WM_CLASS)"
# Read whole before it is searched: grep -q stops at the first hit, and xprop, still writing the larger
# pictures, would end on a broken pipe and fail the pipeline.
# The program sets it just after the window shows.
for _ in $(seq 1 50); do
    symbol=$(xprop -id "$fenster" _NET_WM_ICON)
    grep -q "Icon (16 x 16)" <<<"$symbol" && break
    sleep 0.1
done
grep -q "Icon (16 x 16)" <<<"$symbol" || fehlschlag "das Fenster hat kein Symbol"

# F1 on the main window: its help page.
xdotool key F1
"${atspi[@]}" warte "Hilfetext" >/dev/null || fehlschlag "F1 öffnet kein Hilfefenster"
hilfe=$("${atspi[@]}" text "Hilfetext")
[[ "$hilfe" == *"Das Hauptfenster"* ]] || fehlschlag "das Hilfefenster zeigt keine Hilfeseite: ${hilfe:0:200}"
"${atspi[@]}" klicke "Schließen" --rolle "push button" >/dev/null || fehlschlag "das Hilfefenster schließt nicht"
"${atspi[@]}" fehlt "Hilfetext" >/dev/null || fehlschlag "das Hilfefenster bleibt offen"
warte_auf_fenster >/dev/null

tippfehler_machen
grep -q "Klangdatei" "$ARBEIT/programm.log" && fehlschlag "die Klangdatei wird nicht gefunden"

# Closing: the question in German, answered with "Ja".
"${atspi[@]}" klicke "Datei" --rolle "menu item" >/dev/null || fehlschlag "kein Menü Datei"
# A real click: the question runs its own event loop, so an accessibility action would wait for it.
punkt=$("${atspi[@]}" mitte "Beenden" --rolle "menu item") || fehlschlag "kein Menüpunkt Beenden"
xdotool mousemove $punkt click 1
"${atspi[@]}" warte "Tastwerk beenden \?" --rolle label >/dev/null || fehlschlag "die Frage Tastwerk beenden ? fehlt"
knoepfe=$("${atspi[@]}" alle ".*" --rolle "push button")
[[ "$knoepfe" == *"'Ja'"* && "$knoepfe" == *"'Nein'"* ]] || fehlschlag "die Frage bietet nicht Ja und Nein: $knoepfe"
[[ "$knoepfe" != *"'Yes'"* && "$knoepfe" != *"'No'"* ]] || fehlschlag "die Frage ist englisch: $knoepfe"
xdotool mousemove $("${atspi[@]}" mitte "Ja" --rolle "push button") click 1
warte_auf_ende 10

# The control: the same start with the sounds gone says so.
rm -rf "$kopie/share/tastwerk/klaenge"
starte_programm "${installiert[@]}"
warte_auf_fenster >/dev/null
sleep 0.3
tippfehler_machen
grep -q "Klangdatei »Fehler.wav« wurde nicht gefunden" "$ARBEIT/programm.log" ||
    fehlschlag "eine fehlende Klangdatei bleibt unbemerkt"
echo "1 passed, 0 failed"
