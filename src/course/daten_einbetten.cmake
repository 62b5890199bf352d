# Turns a text file into a C++ source holding its bytes, so the program needs no data file at run time.
file(READ "${EINGABE}" inhalt HEX)
string(LENGTH "${inhalt}" laenge)
math(EXPR anzahl "${laenge} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${inhalt}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${AUSGABE}" "// Generated from uebungszeilen.txt at build time; do not edit.\n#include <cstddef>\nnamespace tastwerk::daten {\nextern const unsigned char uebungszeilenUtf8[];\nextern const std::size_t uebungszeilenUtf8Laenge;\nconst unsigned char uebungszeilenUtf8[] = {\n${bytes}0x00};\nconst std::size_t uebungszeilenUtf8Laenge = ${anzahl};\n}\n")
