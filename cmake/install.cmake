# What an installed copy holds, and the Debian package made of it (./build.sh package).
include(GNUInstallDirs)

set(VESTRANO_APP_ID it.vestrano.Vestrano)
set(VESTRANO_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/vestrano)

configure_file(${CMAKE_SOURCE_DIR}/dist/${VESTRANO_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/${VESTRANO_APP_ID}.metainfo.xml @ONLY)

install(TARGETS vestrano RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The executable finds these as ../share/vestrano beside its own folder.
install(FILES ${CMAKE_BINARY_DIR}/Guida.pdf ${CMAKE_SOURCE_DIR}/dist/unins000.dll
        DESTINATION ${VESTRANO_SHARE_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/dist/${VESTRANO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${VESTRANO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/dist/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vestrano)

# Debian keeps the change log and the manual page compressed, without time stamps.
foreach(page changelog vestrano.1)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${page}.gz
                       COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/dist/${page} > ${CMAKE_BINARY_DIR}/${page}.gz
                       DEPENDS ${CMAKE_SOURCE_DIR}/dist/${page})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_BINARY_DIR}/vestrano.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vestrano)
install(FILES ${CMAKE_BINARY_DIR}/vestrano.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vestrano)
set(CPACK_PACKAGE_VENDOR "Vestrano Software")
set(CPACK_PACKAGE_CONTACT "Vestrano Software <info@vestrano.it>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.vestrano.it)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Screen and printouts are laid out for these fonts; Qt's own buttons and dialogs speak Italian.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vehicle fleet manager (gestione parco automezzi)")
# Paragraphs apart by an empty line; CPack indents the lines as Debian wants them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vestrano keeps a card for every vehicle of a small fleet, with photo and
attached documents; it lists the inspections, services, insurances and road
taxes due within seven days, and keeps a yearly register of costs with
summaries, a monthly chart, search, printing and spreadsheet export. Several
computers can share one data folder on the network. The interface is Italian.

Vestrano tiene una scheda per ogni veicolo di un piccolo parco automezzi, con
foto e documenti allegati; elenca le revisioni, i tagliandi, le assicurazioni
e i bolli in scadenza entro sette giorni e tiene un registro annuale dei costi
con riepiloghi, grafico mensile, ricerca, stampa ed esportazione in foglio di
calcolo. Più computer possono condividere una cartella dati in rete.")
include(CPack)
