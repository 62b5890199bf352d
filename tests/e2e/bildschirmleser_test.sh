#!/usr/bin/env bash
# A learner who cannot see the screen practises the letter exercise of lesson 1 with what a screen
# reader reads through the accessibility interface: each demanded character is taken from the name of
# the letter panel and typed, 20 times; the status figures then read "Fehler: 0" and the keystrokes.
# A wrong key keeps the character demanded, and it is announced again. Escape then pauses (typed keys no
# longer count), Tab reaches "Zurück zum Hauptmenü" and Return brings the main menu.
source "$(dirname "$0")/xumgebung.sh"

ordner="$ARBEIT/ordner"
mkdir -p "$ordner"
starte_x 1024x768x24
# A German keyboard, so that "ö" and "ä" are keys of their own, as at the learner's desk.
setxkbmap de || fehlschlag "setxkbmap de gelingt nicht"
starte_atspi
starte_programm --ordner "$ordner"
warte_auf_fenster >/dev/null
name_eingeben "anna"
atspi klicke "Start" --rolle "push button" || fehlschlag "kein Knopf Start"
atspi klicke "Start mit Lektion 1" --rolle "push button" || fehlschlag "kein Knopf Start mit Lektion 1"
atspi warte "Geforderter Buchstabe: START" >/dev/null || fehlschlag "die Buchstabenübung zeigt kein START"
sleep 0.3

# The name of the letter panel once it has changed from `$1`; prints the demanded character's name.
gefordert_nach() {
    local name
    for _ in $(seq 1 50); do
        name=$(atspi alle "Geforderter Buchstabe: .*" | sed -n "1s/^\[[^]]*\] '\(.*\)'.*$/\1/p")
        if [ -n "$name" ] && [ "$name" != "$1" ]; then
            echo "${name#Geforderter Buchstabe: }"
            return 0
        fi
        sleep 0.1
    done
    fehlschlag "der geforderte Buchstabe ändert sich nicht (zuletzt \"$1\")"
}

# Any key starts the exercise and draws the first character.
xdotool type "j"
bisher="Geforderter Buchstabe: START"
for _ in $(seq 1 20); do
    zeichen=$(gefordert_nach "$bisher")
    case "$zeichen" in
    Leertaste) xdotool key space ;;
    Return) xdotool key Return ;;
    ?) xdotool type --delay 40 "$zeichen" ;;
    *) fehlschlag "unerwarteter Name des geforderten Buchstabens: $zeichen" ;;
    esac
    bisher="Geforderter Buchstabe: $zeichen"
    # The same character is never demanded twice in a row, so the name changes with every right key.
done
bisher="Geforderter Buchstabe: $(gefordert_nach "$bisher")"
atspi warte "Fehler: 0" --rolle label >/dev/null || fehlschlag "die Statusleiste liest nicht \"Fehler: 0\": $(atspi alle 'Fehler: .*')"
anschlaege=$(atspi alle "Anschläge: [0-9]+" --rolle label | sed -n "1s/^.*'Anschläge: \([0-9]*\)'.*$/\1/p")
# 21 keys: the starting key and 20 judged ones; a Shift character counts twice.
[ -n "$anschlaege" ] && [ "$anschlaege" -ge 21 ] || fehlschlag "Anschläge: \"$anschlaege\", erwartet mindestens 21"
# The on-screen keyboard shows the demanded key pressed: one button, named by caption and finger.
zeichen=${bisher#Geforderter Buchstabe: }
gedrueckt=$(atspi baum | grep "\[push button\].*pressed" || true)
[ "$(grep -c . <<<"$gedrueckt")" -eq 1 ] || fehlschlag "nicht genau eine Taste gedrückt: $gedrueckt"
grep -qi "\[push button\] '$zeichen, \(linker \|rechter \)\?[a-z ]*\(finger\|Finger\|Daumen\)'" <<<"$gedrueckt" ||
    fehlschlag "die gedrückte Taste ist nicht \"$zeichen\" mit ihrem Finger: $gedrueckt"
atspi fehlt "Wieviele Fehler haben Sie gemacht\?" --sekunden 0 ||
    fehlschlag "die Fehlerzahl heißt noch nach ihrer Frage"
atspi alle "Fehler: 0" --rolle label | grep -q "beschreibung='Wieviele Fehler haben Sie gemacht?'" ||
    fehlschlag "die Frage der Fehlerzahl ist nicht ihre Beschreibung"

# Every keystroke is announced, a wrong one too: the same character is demanded again and heard again.
atspi ansagen "Geforderter Buchstabe: .*" --sekunden 6 >"$ARBEIT/ansagen" 2>"$ARBEIT/ansagen.bereit" &
ansager=$!
for _ in $(seq 1 50); do grep -q bereit "$ARBEIT/ansagen.bereit" && break; sleep 0.1; done
sleep 0.5
zeichen=${bisher#Geforderter Buchstabe: }
falsch=q
[ "$zeichen" = q ] && falsch=w
xdotool type --delay 150 "$falsch$falsch"
wait "$ansager" || true
ansagen=$(grep -c "^$bisher\$" "$ARBEIT/ansagen" || true)
[ "$ansagen" -ge 2 ] || fehlschlag "zwei falsche Tasten, $ansagen Ansagen von \"$bisher\": $(cat "$ARBEIT/ansagen")"

atspi warte "Fehler: 1" --rolle label >/dev/null || fehlschlag "die falsche Taste zählt nicht als Fehler"

# Each right key is heard once as the newly demanded character; besides it only the status figures that
# changed are announced: not the unchanged Shift marker, nothing of the hidden statistics screen.
atspi ansagen ".*" --sekunden 8 >"$ARBEIT/alle" 2>"$ARBEIT/alle.bereit" &
ansager=$!
for _ in $(seq 1 50); do grep -q bereit "$ARBEIT/alle.bereit" && break; sleep 0.1; done
sleep 0.5
for _ in 1 2 3 4 5; do
    zeichen=${bisher#Geforderter Buchstabe: }
    case "$zeichen" in
    Leertaste) xdotool key space ;;
    Return) xdotool key Return ;;
    *) xdotool type --delay 40 "$zeichen" ;;
    esac
    bisher="Geforderter Buchstabe: $(gefordert_nach "$bisher")"
done
wait "$ansager" || true
[ -n "${TASTWERK_ANSAGEN:-}" ] && cp "$ARBEIT/alle" "$TASTWERK_ANSAGEN"
alle=$(cat "$ARBEIT/alle")
[ "$(grep -c "^Geforderter Buchstabe: " <<<"$alle")" -eq 5 ] ||
    fehlschlag "fünf richtige Tasten, nicht fünf Ansagen des geforderten Buchstabens: $alle"
! grep -q "falsch" <<<"$alle" || fehlschlag "die verborgene Fehlerstatistik wird angesagt: $alle"
# A name is announced only when it changed: no figure or marker twice in a row with the same value (the
# speed is left out: the timer may clear it in between, which is not heard).
doppelt=$(grep -v "^Geforderter Buchstabe: \|^Anschläge pro Minute: " <<<"$alle" | sed 's/: .*//' | sort -u | while read -r art; do
    grep "^$art: " <<<"$alle" | uniq -d
done)
[ -z "$doppelt" ] || fehlschlag "unveränderte Namen angesagt: $doppelt"
[ "$(grep -c "^Anschläge: " <<<"$alle")" -le 5 ] || fehlschlag "zu viele Ansagen der Anschläge: $alle"
[ "$(grep -c "^Umschalt- oder Zifferzeichen: " <<<"$alle")" -le 5 ] || fehlschlag "zu viele Ansagen der Markierung: $alle"
[ -n "${TASTWERK_FOTO:-}" ] && bildschirmfoto "$TASTWERK_FOTO"
[ -n "${TASTWERK_BAUM:-}" ] && atspi baum >"$TASTWERK_BAUM"

# Escape pauses: the demanded character typed twice no longer changes the keystrokes the status bar
# holds (hidden behind the pause text, so read among the elements that are not showing).
anschlaege_lesen() {
    atspi alle "Anschläge: [0-9]+" --rolle label --alle | sed -n "1s/^.*'Anschläge: \([0-9]*\)'.*$/\1/p"
}
vorher=$(anschlaege_lesen)
[ -n "$vorher" ] || fehlschlag "keine Anschläge zu lesen"
xdotool key Escape
atspi warte "Pause beenden" --rolle "push button" >/dev/null || fehlschlag "Escape pausiert nicht"
atspi warte "- P A U S E -" --rolle label >/dev/null || fehlschlag "die Statusleiste zeigt die Pause nicht"
zeichen=${bisher#Geforderter Buchstabe: }
for _ in 1 2; do
    case "$zeichen" in
    Leertaste) xdotool key space ;;
    Return) xdotool key Return ;;
    *) xdotool type --delay 40 "$zeichen" ;;
    esac
done
sleep 0.5
nachher=$(anschlaege_lesen)
[ "$nachher" = "$vorher" ] || fehlschlag "in der Pause zählen Tasten: Anschläge $vorher, dann $nachher"

# Paused, Tab walks to "Zurück zum Hauptmenü", as the focused state says, and Return brings the main menu.
atspi fehlt "Hauptmenü" --rolle panel --sekunden 0 || fehlschlag "das Hauptmenü ist während der Übung zu sehen"
tab_bis "Zurück zum Hauptmenü"
xdotool key Return
atspi warte "Hauptmenü" --rolle panel >/dev/null || fehlschlag "Return bringt das Hauptmenü nicht"
atspi fehlt "Geforderter Buchstabe: .*" || fehlschlag "die Buchstabenübung bleibt stehen"
# A second later the main menu is still in front: nothing took it away again. (A busy accessibility bus
# can miss one answer, so the state is asked a few times.)
sleep 1
gesehen=
for _ in 1 2 3 4 5; do
    if atspi zustand "Hauptmenü" --rolle panel --sekunden 2 | grep -qx showing; then
        gesehen=1
        break
    fi
    sleep 0.5
done
[ -n "$gesehen" ] || fehlschlag "das Hauptmenü ist nicht zu sehen: $(atspi alle "Hauptmenü" --alle)"
echo "1 passed, 0 failed"
