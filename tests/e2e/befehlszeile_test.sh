#!/usr/bin/env bash
# The program answers on the terminal without a display, in German and in GNU style: --version, --help,
# a wrong option, a start folder that does not exist (on the command line and from TASTWERK_ORDNER).
set -uo pipefail
programm=${1:?Pfad zum Programm tastwerk fehlt}
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM TASTWERK_ORDNER
export LC_ALL=C.UTF-8
fehler=0
faelle=0
pruefe() {
    faelle=$((faelle + 1))
    if eval "$2"; then echo "ok: $1"; else echo "FEHLER: $1"; fehler=$((fehler + 1)); fi
}

version=$("$programm" --version 2>&1); rc=$?
pruefe "--version antwortet" '[ $rc = 0 ] && [[ "$version" == "tastwerk 2.7.0" ]]'
hilfe=$("$programm" --help 2>/dev/null); rc=$?
pruefe "--help antwortet deutsch auf stdout" \
    '[ $rc = 0 ] && [[ "$hilfe" == "Aufruf: tastwerk [OPTION]..."* ]] && [[ "$hilfe" == *"--ordner=ORDNER"* ]]'
pruefe "--help nennt keine Optionen von Qt" \
    '[[ "$hilfe" != *Usage* && "$hilfe" != *qmljsdebugger* && "$hilfe" != *-platform* && "$hilfe" != *help-all* ]]'
falsch=$("$programm" --help-all 2>&1 >/dev/null); rc=$?
pruefe "eine unbekannte Option wird deutsch gemeldet" \
    '[ $rc = 2 ] && [ "$falsch" = "tastwerk: unbekannte Option »--help-all«
Weitere Informationen mit »tastwerk --help«." ]'
falsch=$("$programm" --ordner 2>&1); rc=$?
pruefe "ein fehlender Wert wird gemeldet" '[ $rc = 2 ] && [[ "$falsch" == *"verlangt einen Ordner"* ]]'
falsch=$("$programm" --ordner /gibt/es/nicht 2>&1); rc=$?
pruefe "ein fehlender Startordner wird gemeldet" \
    '[ $rc = 2 ] && [ "$falsch" = "tastwerk: Der Ordner »/gibt/es/nicht« existiert nicht." ]'
falsch=$(TASTWERK_ORDNER=/gibt/es/nicht "$programm" 2>&1); rc=$?
pruefe "ein fehlender Klassenordner wird mit seiner Herkunft gemeldet" \
    '[ $rc = 1 ] && [[ "$falsch" == *"»/gibt/es/nicht« (aus TASTWERK_ORDNER) existiert nicht."* ]]'
echo "$(( faelle - fehler )) passed, $fehler failed"
[ "$fehler" = 0 ]
