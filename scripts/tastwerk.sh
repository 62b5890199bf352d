#!/usr/bin/env bash
# Sets Tastwerk up on a Debian 12 machine and builds it, then starts the program or runs every test.
#   scripts/tastwerk.sh starten [ARGUMENTE...]   build and start the program (arguments go to tastwerk)
#   scripts/tastwerk.sh testen                   build and run all tests through CTest
#   scripts/tastwerk.sh bauen                    only install what is missing and build
set -euo pipefail

# Everything the project needs from Debian, in one place.
PAKETE=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libqt6multimedia6 libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick
    dbus at-spi2-core python3-pyatspi
    fonts-liberation2 fonts-dejavu-core
)

wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bau="${TASTWERK_BAUORDNER:-$wurzel/build}"

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

bauen() {
    pakete_installieren
    cmake -S "$wurzel" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTASTWERK_WERROR=ON
    cmake --build "$bau" -j "$(nproc)"
}

case "${1:-starten}" in
starten)
    shift || true
    bauen
    exec "$bau/src/tastwerk" "$@"
    ;;
testen)
    bauen
    ctest --test-dir "$bau" --output-on-failure -j "$(nproc)"
    ;;
bauen)
    bauen
    ;;
*)
    echo "Aufruf: $0 starten [ARGUMENTE...] | testen | bauen" >&2
    exit 2
    ;;
esac
