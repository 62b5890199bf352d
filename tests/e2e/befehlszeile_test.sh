#!/usr/bin/env bash
# The program answers on the terminal without a display: --version, --help, and a start folder that
# does not exist.
set -uo pipefail
programm=${1:?Pfad zum Programm tastwerk fehlt}
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fehler=0
pruefe() { if eval "$2"; then echo "ok: $1"; else echo "FEHLER: $1"; fehler=$((fehler + 1)); fi; }

version=$("$programm" --version 2>&1); rc=$?
pruefe "--version antwortet" '[ $rc = 0 ] && [[ "$version" == "tastwerk 2.7.0" ]]'
hilfe=$("$programm" --help 2>&1); rc=$?
pruefe "--help nennt --ordner" '[ $rc = 0 ] && [[ "$hilfe" == *"--ordner"* ]]'
falsch=$("$programm" --ordner /gibt/es/nicht 2>&1); rc=$?
pruefe "ein fehlender Startordner wird gemeldet" '[ $rc = 2 ] && [[ "$falsch" == *"existiert nicht"* ]]'
echo "$(( 3 - fehler )) passed, $fehler failed"
[ "$fehler" = 0 ]
