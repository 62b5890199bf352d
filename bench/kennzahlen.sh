#!/usr/bin/env bash
# The program's performance figures beside a bare Qt main window started in the same run, under Xvfb:
# time to the first window, resident memory after start, CPU while a lesson runs untouched, and the cost
# of one keystroke (core step and whole way through the window).
#   bench/kennzahlen.sh [BUILD_DIR] [RUNS] [CPU_SECONDS]
# KENNZAHLEN_BILD=file.png keeps a picture of the lesson whose CPU time is measured.
set -euo pipefail
bau=$(realpath "${1:-build}")
laeufe=${2:-5}
cpuSekunden=${3:-30}
programm="$bau/src/tastwerk"
leer="$bau/bench/leeres_fenster"
text="$bau/bench/textfenster"
for p in "$programm" "$leer" "$text" "$bau/bench/tastendruck_bench"; do
    [ -x "$p" ] || { echo "fehlt: $p (erst bauen)" >&2; exit 1; }
done
arbeit=$(mktemp -d)
export XDG_RUNTIME_DIR="$arbeit/laufzeit"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xpid=$!
read -r -t 10 nummer <&"$fd"
export DISPLAY=":$nummer"
trap 'kill $xpid 2>/dev/null; rm -rf "$arbeit"' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
# CPU time in ns as the scheduler counts it. The clock ticks of /proc/PID/stat charge a whole tick to the
# process that runs when it strikes, and a 250 ms timer wakes the program just then: they showed 0.1 to
# 0.4 % for what runs 0.08 % of the time.
cpuNs() { awk '{print $1}' "/proc/$1/schedstat"; }

# start NAME TITLE COMMAND...: time to the mapped window (ms) and resident memory (KiB) after 1 s.
start() {
    local titel=$1; shift
    local anfang ende pid rss
    anfang=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^$titel\$" >/dev/null 2>&1; do :; done
    ende=$(date +%s%N)
    sleep 1
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    echo "$(( (ende - anfang) / 1000000 )) $rss $pid"
}

declare -A zeit speicher
for art in leer text tastwerk; do
    zeiten=(); speicher_=()
    for k in $(seq 1 "$laeufe"); do
        if [ $art = leer ]; then
            read -r t r pid < <(start "Leeres Qt-Fenster" "$leer")
        elif [ $art = text ]; then
            read -r t r pid < <(start "Qt-Fenster mit Text" "$text")
        else
            mkdir -p "$arbeit/ordner$k"
            read -r t r pid < <(start "Tastwerk für Windows 95" "$programm" --ordner "$arbeit/ordner$k")
        fi
        zeiten+=("$t"); speicher_+=("$r")
        kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
    done
    zeit[$art]=$(printf '%s\n' "${zeiten[@]}" | median)
    speicher[$art]=$(printf '%s\n' "${speicher_[@]}" | median)
done

# cpuAnteil PID: the share of one core PID takes in the next CPU_SECONDS, in per cent.
cpuAnteil() {
    local vorher nachher
    vorher=$(cpuNs "$1"); sleep "$cpuSekunden"; nachher=$(cpuNs "$1")
    awk -v t=$((nachher - vorher)) -v s="$cpuSekunden" 'BEGIN {printf "%.3f", 100 * t / 1e9 / s}'
}
beenden() { kill -TERM "$1"; wait "$1" 2>/dev/null || true; }
# startenUndWarten TITLE COMMAND...: starts the window in the background, sets pid, waits until it shows.
startenUndWarten() {
    local titel=$1; shift
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^$titel\$" >/dev/null 2>&1; do :; done
}

# CPU while a lesson runs untouched: sign in, start lesson 1, one key, then hands off.
mkdir -p "$arbeit/cpu"
startenUndWarten "Tastwerk für Windows 95" "$programm" --ordner "$arbeit/cpu"
sleep 1
xdotool type --delay 30 messung; xdotool key Return; sleep 1
xdotool mousemove 306 67 click 1; sleep 1  # "Start" of the main menu (1024 x 768): the introduction
xdotool key Return; sleep 1         # "Start mit Lektion 1"
xdotool type x; sleep 2             # the first key starts the exercise and its clock
[ -z "${KENNZAHLEN_BILD:-}" ] || import -window root "$KENNZAHLEN_BILD"
cpuLektion=$(cpuAnteil $pid); beenden $pid
startenUndWarten "Leeres Qt-Fenster" "$leer"
sleep 2
cpuLeer=$(cpuAnteil $pid); beenden $pid
startenUndWarten "Qt-Fenster mit Text" "$text" --takt
sleep 2
cpuTakt=$(cpuAnteil $pid); beenden $pid

# One keystroke: medians of five repetitions.
tasten=$("$bau/bench/tastendruck_bench" --benchmark_filter='BM_Buchstabenschritt/16|BM_TastendruckImFenster' \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null | awk '/_median/ {print $1, $2, $3}')

printf '%-42s %14s %14s\n' "" "Tastwerk" "leeres Fenster"
printf '%-42s %14s %14s   (Faktor %s)\n' "Zeit bis zum ersten Fenster (Median, ms)" "${zeit[tastwerk]}" "${zeit[leer]}" \
    "$(awk -v a="${zeit[tastwerk]}" -v b="${zeit[leer]}" 'BEGIN {printf "%.2f", a / b}')"
printf '%-42s %14s %14s   (+%s MB)\n' "Resident nach dem Start (Median, MB)" \
    "$(awk -v k="${speicher[tastwerk]}" 'BEGIN {printf "%.1f", k / 1024}')" \
    "$(awk -v k="${speicher[leer]}" 'BEGIN {printf "%.1f", k / 1024}')" \
    "$(awk -v a="${speicher[tastwerk]}" -v b="${speicher[leer]}" 'BEGIN {printf "%.1f", (a - b) / 1024}')"
printf '%-42s %14s %14s\n' "CPU, Lektion läuft unberührt ($cpuSekunden s, %)" "$cpuLektion" "$cpuLeer"
printf 'Zum Vergleich, leeres Fenster mit Menüleiste und einer Textzeile: %s ms, %s MB\n' "${zeit[text]}" \
    "$(awk -v k="${speicher[text]}" 'BEGIN {printf "%.1f", k / 1024}')"
printf 'Zum Vergleich, dasselbe Fenster mit 250-ms-Takt und einer neuen Zahl je Sekunde: CPU %s %%\n' "$cpuTakt"
echo "Ein Tastendruck (Median aus 5 Wiederholungen):"
echo "$tasten" | sed 's/^/  /'
