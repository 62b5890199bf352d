#!/usr/bin/env bash
# Produces every wave file Tastwerk plays, into assets/klaenge/:
#   Fehler.wav                  short low double buzz on a typing error
#   beifall1.wav                applause when a learning goal is reached
#   Grosses1.wav .. Grosses3.wav  spoken notice that a capital follows
#   one spoken file per character of the course, under all three keyboard layouts
# The file names must match src/practice/klangdateien.cpp; the test klangdateien_test checks that every
# name there has its file here. The files are committed, so building the program needs neither tool.
# Needs espeak-ng (German voice) and sox from Debian; installs them when they are missing.
# Running it again gives the same files, byte for byte (fixed random seeds).
set -euo pipefail

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ziel="$wurzel/assets/klaenge"

PAKETE=(espeak-ng sox)
RATE=16000

pakete_installieren() {
    local fehlend=()
    for p in "${PAKETE[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    echo "Installiere fehlende Pakete: ${fehlend[*]}"
    local als_root=()
    [ "$(id -u)" -ne 0 ] && als_root=(sudo)
    "${als_root[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -q --no-install-recommends "${fehlend[@]}"
}

# What each character's file says. "[[...]]" is espeak-ng phoneme input, used where the German voice
# would stress a word wrongly. Single letters are spoken by their German letter name.
# Datei|Text
ANSAGEN=(
    "a.wav|a" "b.wav|b" "c.wav|c" "d.wav|d" "e.wav|e" "f.wav|f" "g.wav|g" "h.wav|h" "i.wav|i"
    "j.wav|j" "k.wav|k" "l.wav|l" "m.wav|m" "n.wav|n" "o.wav|o" "p.wav|p" "q.wav|q" "r.wav|r"
    "s.wav|s" "t.wav|t" "u.wav|u" "v.wav|v" "w.wav|w" "x.wav|x" "y.wav|y" "z.wav|z"
    "ae.wav|ä" "oe.wav|ö" "ue.wav|ü"
    "e_akut.wav|e Akut" "e_gravis.wav|e Gravis" "a_gravis.wav|a Gravis"
    "leer.wav|Leertaste" "return.wav|Return"
    "Komma.wav|Komma" "Punkt.wav|Punkt" "Semikolon.wav|Semikolon" "Doppelpunkt.wav|Doppelpunkt"
    "Bindestrich.wav|Bindestrich" "Unterstrich.wav|[['Unt3StrIC]]"
    "Ausrufezeichen.wav|[['aUsru:f@tsaIC@n]]" "Anfuehrungszeichen.wav|Anführungszeichen"
    "Paragraf.wav|Paragraf" "Dollar.wav|[[d'Olar]]" "Prozent.wav|Prozent" "Undzeichen.wav|Und-Zeichen"
    "Schraegstrich.wav|Schrägstrich" "KlammerAuf.wav|Klammer auf" "KlammerZu.wav|Klammer zu"
    "Gleich.wav|Gleich" "Fragezeichen.wav|[[fr'a:g@tsaIC@n]]"
    "eins.wav|eins" "zwei.wav|zwei" "drei.wav|drei" "vier.wav|vier" "fuenf.wav|fünf"
    "sechs.wav|sechs" "sieben.wav|sieben" "acht.wav|acht" "neun.wav|neun" "null.wav|null"
    "at.wav|ät" "Raute.wav|Raute" "Zirkumflex.wav|Zirkumflex" "Stern.wav|Stern"
    "EckigeKlammerAuf.wav|eckige Klammer auf" "GeschweifteKlammerAuf.wav|geschweifte Klammer auf"
    "Apostroph.wav|[[apOstr'o:f]]"
    "Grosses1.wav|groß" "Grosses2.wav|Großbuchstabe" "Grosses3.wav|groß geschrieben"
)

# Every sox run seeds its noise and dither generators the same way, so the files come out alike each time.
sox() { command sox -R "$@"; }

# The common output format: mono, 16 kHz, 16-bit PCM.
FORMAT=(-r "$RATE" -c 1 -b 16 -e signed-integer)

# Speaks one text into a file: silence trimmed at both ends, a few milliseconds of pad against clicks,
# loudness normalised.
sprechen() {
    local datei=$1 text=$2
    espeak-ng -v de -s 160 -w "$arbeit/roh.wav" "$text"
    sox "$arbeit/roh.wav" "${FORMAT[@]}" "$ziel/$datei" \
        silence 1 0.005 0.1% reverse silence 1 0.005 0.1% reverse \
        norm -1 pad 0.01 0.03
}

# Fehler.wav: two short low square-wave buzzes, 55 ms each with 35 ms between them.
fehlerton() {
    sox -n "${FORMAT[@]}" "$arbeit/summ.wav" synth 0.055 square 150 lowpass 1800 fade t 0.003 0.055 0.02
    sox -n "${FORMAT[@]}" "$arbeit/stille.wav" trim 0 0.035
    sox "$arbeit/summ.wav" "$arbeit/stille.wav" "$arbeit/summ.wav" "$ziel/Fehler.wav" norm -9
}

# beifall1.wav: twenty clappers, each a row of short band-passed noise bursts with its own pitch,
# tempo and loudness, mixed over a quiet bed of noise, swelling in and dying away over 1.8 s.
beifall() {
    RANDOM=1995
    # The length once in milliseconds for the rows of claps and once in seconds for sox.
    local klatscher=20 dauer_ms=1800 dauer=1.8 mischung=()
    for ((k = 0; k < klatscher; k++)); do
        local mitte=$((900 + RANDOM % 1600)) breite=$((600 + RANDOM % 800))
        sox -n "${FORMAT[@]}" "$arbeit/klatsch$k.wav" synth 0.04 whitenoise \
            band "$mitte" "$breite" fade p 0.001 0.04 0.035
        # Each clapper starts a little after the first one, then claps every 170 to 290 ms.
        local anfang=$((5 + RANDOM % 250)) teile=() i=0
        sox -n "${FORMAT[@]}" "$arbeit/k${k}_0.wav" trim 0 "0.$(printf '%03d' "$anfang")"
        teile+=("$arbeit/k${k}_0.wav")
        local zeit=$anfang
        while [ "$zeit" -lt "$dauer_ms" ]; do
            i=$((i + 1))
            local abstand=$((170 + RANDOM % 120)) lautstaerke=$((55 + RANDOM % 45))
            sox "$arbeit/klatsch$k.wav" "$arbeit/k${k}_$i.wav" vol "0.$lautstaerke" \
                pad 0 "0.$(printf '%03d' $((abstand - 40)))"
            teile+=("$arbeit/k${k}_$i.wav")
            zeit=$((zeit + abstand))
        done
        sox "${teile[@]}" "$arbeit/klatscher$k.wav" trim 0 "$dauer"
        mischung+=("$arbeit/klatscher$k.wav")
    done
    sox -n "${FORMAT[@]}" "$arbeit/rauschen.wav" synth "$dauer" pinknoise band 1800 1600 vol 0.3
    sox -m "${mischung[@]}" "$arbeit/rauschen.wav" "${FORMAT[@]}" "$ziel/beifall1.wav" \
        fade q 0.15 "$dauer" 0.7 norm -3
}

pakete_installieren
if ! espeak-ng --voices=de | grep -q " de "; then
    echo "espeak-ng hat keine deutsche Stimme." >&2
    exit 1
fi

mkdir -p "$ziel"
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT

for eintrag in "${ANSAGEN[@]}"; do
    sprechen "${eintrag%%|*}" "${eintrag#*|}"
done
fehlerton
beifall

echo "$(find "$ziel" -name '*.wav' | wc -l) Klangdateien in $ziel, zusammen $(du -sh "$ziel" | cut -f1)."
