# The program's place on the Linux desktop (desktop entry, icons, AppStream metainfo, man page) and the
# Debian package built from the installed tree with CPack (scripts/tastwerk.sh paket).

set(TASTWERK_PAKET ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${TASTWERK_PAKET}/${TASTWERK_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TASTWERK_PAKET}/${TASTWERK_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TASTWERK_PAKET}/symbole/tastwerk.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(groesse 16 22 24 32 48 64 128 256)
  install(FILES ${TASTWERK_PAKET}/symbole/${groesse}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps RENAME tastwerk.png)
endforeach()

# Man page and changelog go in compressed, without a time stamp in the gzip header.
find_program(GZIP gzip REQUIRED)
set(TASTWERK_GEPACKT ${CMAKE_BINARY_DIR}/paket-dateien)
add_custom_command(
  OUTPUT ${TASTWERK_GEPACKT}/tastwerk.1.gz ${TASTWERK_GEPACKT}/changelog.Debian.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TASTWERK_GEPACKT}
  COMMAND ${GZIP} -9nc ${TASTWERK_PAKET}/tastwerk.1 > ${TASTWERK_GEPACKT}/tastwerk.1.gz
  COMMAND ${GZIP} -9nc ${TASTWERK_PAKET}/changelog.Debian > ${TASTWERK_GEPACKT}/changelog.Debian.gz
  DEPENDS ${TASTWERK_PAKET}/tastwerk.1 ${TASTWERK_PAKET}/changelog.Debian
  COMMENT "Compressing the man page and the changelog")
add_custom_target(tastwerk_paketdateien ALL DEPENDS ${TASTWERK_GEPACKT}/tastwerk.1.gz
                                                    ${TASTWERK_GEPACKT}/changelog.Debian.gz)
install(FILES ${TASTWERK_GEPACKT}/tastwerk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TASTWERK_GEPACKT}/changelog.Debian.gz ${TASTWERK_PAKET}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${TASTWERK_PAKET}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME tastwerk)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tastwerk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tastwerk-Team <tastwerk@tastwerk.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tastwerk.de/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Schreibtrainer für das Zehnfingersystem")
# CPack indents the lines and turns the empty line into the paragraph mark.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tastwerk führt Lernende in 16 Lektionen zum Zehnfingersystem: jede Lektion
hat eine Buchstabenübung und eine Wortübung, Tempo und Fehlerrate werden
laufend gemessen, die Fehler je Finger sind als Statistik zu sehen.

Unterstützt werden deutsche, Schweizer und US-Tastaturen. Eigene Texte
können geübt, angelegt und geändert werden. Die Lernenden einer Klasse
können ihre Daten in einem gemeinsamen Ordner halten.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time, not linked: Qt's German texts, the fonts that stand in for the Windows fonts, and
# SQLite, which the program loads when it first opens the learning history. Qt itself and its plug-ins
# come with the libraries dpkg-shlibdeps finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core, libsqlite3-0 (>= 3.7.15)")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_SOURCE_IGNORE_FILES "/build.*/;/\\\\.git/")
include(CPack)
