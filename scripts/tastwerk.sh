#!/usr/bin/env bash
# Sets Tastwerk up on a Debian 12 machine and builds it, then starts the program or runs every test.
#   scripts/tastwerk.sh starten [ARGUMENTE...]   build and start the program (arguments go to tastwerk)
#   scripts/tastwerk.sh testen                   build and run all tests through CTest, then build the
#                                                Debian package and check it
#   scripts/tastwerk.sh bauen                    only install what is missing and build
#   scripts/tastwerk.sh paket                    build the Debian package into build/paket/
#   scripts/tastwerk.sh paket-pruefen            check that package with Debian's checkers
set -euo pipefail

# Everything the project needs from Debian, in one place.
PAKETE=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libqt6multimedia6 libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev
    xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick
    dbus at-spi2-core python3-pyatspi
    fonts-liberation2 fonts-dejavu-core qt6-translations-l10n
    file lintian desktop-file-utils appstream librsvg2-bin
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

# A Release build of the program alone, with Debian's hardening flags, packed by CPack into build/paket/.
paket() {
    pakete_installieren
    local paketbau="$bau/paketbau" ablage="$bau/paket"
    local cxxflags ldflags
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    ldflags=$(dpkg-buildflags --get LDFLAGS)
    CXXFLAGS="$cxxflags" LDFLAGS="$ldflags" cmake -S "$wurzel" -B "$paketbau" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release -DTASTWERK_TESTS=OFF -DTASTWERK_BENCH=OFF
    cmake --build "$paketbau" -j "$(nproc)"
    rm -rf "$ablage"
    (cd "$paketbau" && cpack -G DEB -B "$ablage")
    rm -rf "$ablage/_CPack_Packages"
    ls "$ablage"/*.deb
}

# Debian's checkers on the package: desktop entry, AppStream metainfo, lintian. Lintian fails on errors
# and on warnings; a warning the package accepts stands in paket/lintian-overrides with its reason.
paket_pruefen() {
    local deb
    deb=$(ls "$bau"/paket/tastwerk_*.deb)
    local inhalt
    inhalt=$(mktemp -d)
    trap 'rm -rf "$inhalt"' RETURN
    dpkg-deb -x "$deb" "$inhalt"
    desktop-file-validate "$inhalt"/usr/share/applications/*.desktop
    appstreamcli validate --no-net --pedantic "$inhalt"/usr/share/metainfo/*.metainfo.xml
    # Every override says why, in a comment right above it.
    awk '/^#/ { grund = 1; next } /^[[:space:]]*$/ { grund = 0; next }
         !grund { print "lintian-overrides: ohne Begründung: " $0; schlecht = 1 } END { exit schlecht }' \
        "$wurzel/paket/lintian-overrides"
    lintian --fail-on error,warning --display-level '>=warning' "$deb"
    echo "Paket geprüft: $deb"
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
    paket
    paket_pruefen
    ;;
paket)
    paket
    ;;
paket-pruefen)
    paket_pruefen
    ;;
bauen)
    bauen
    ;;
*)
    echo "Aufruf: $0 starten [ARGUMENTE...] | testen | bauen | paket | paket-pruefen" >&2
    exit 2
    ;;
esac
