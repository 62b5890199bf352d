#!/usr/bin/env bash
# Measures how fast the program shows its main window under Xvfb, and its resident memory after start-up.
#   bench/startzeit.sh build/src/tastwerk [RUNS]
set -euo pipefail
programm=$(realpath "${1:?Pfad zum Programm tastwerk}")
laeufe=${2:-10}
arbeit=$(mktemp -d)
export XDG_RUNTIME_DIR="$arbeit/laufzeit"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$arbeit/ordner"
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xpid=$!
read -r -t 5 nummer <&"$fd"
export DISPLAY=":$nummer"
trap 'kill $xpid 2>/dev/null; rm -rf "$arbeit"' EXIT

zeiten=()
for _ in $(seq 1 "$laeufe"); do
    anfang=$(date +%s%N)
    "$programm" --ordner "$arbeit/ordner" >/dev/null 2>&1 &
    pid=$!
    # Polls for a mapped window with the main window's caption.
    until xdotool search --onlyvisible --name "^Tastwerk für Windows 95$" >/dev/null 2>&1; do :; done
    ende=$(date +%s%N)
    zeiten+=($(( (ende - anfang) / 1000000 )))
    sleep 0.5
    rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
    kill -TERM $pid
    wait $pid 2>/dev/null || true
done
sortiert=$(printf '%s\n' "${zeiten[@]}" | sort -n)
median=$(echo "$sortiert" | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}')
echo "Zeit bis zum Fenster (ms), $laeufe Läufe: $(echo $sortiert)"
echo "Median: $median ms"
echo "Resident nach dem Start (letzter Lauf): $rss KiB"

