# Installation and packaging of the program.
#
#   cmake --install <build> [--prefix /usr]   puts the program and its desktop files in place;
#   cpack -G DEB (see scripts/package)         wraps the same files into a Debian package.
#
# The Help menu finds the manual at <bindir>/../share/tarvex/manual.txt, so the program and the
# manual keep the standard bin/ and share/ folders below one prefix.
include(GNUInstallDirs)

set(TARVEX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(TARVEX_APP_ID org.tarvex.tarvex)

install(TARGETS tarvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/manual.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvex)
install(FILES ${TARVEX_PACKAGING_DIR}/tarvex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/images/tarvex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TARVEX_PACKAGING_DIR}/${TARVEX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvex)
set(CPACK_PACKAGE_VENDOR "The Tarvex developers")
set(CPACK_PACKAGE_CONTACT "The Tarvex developers <team@tarvex.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configuration script wizard for Wolfenstein: Enemy Territory")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvex writes configuration scripts (.cfg files) for the game Wolfenstein: Enemy
Territory. A wizard walks through a start screen and nine steps (key bindings,
chat bindings, ready-made toggle scripts, client and server settings); each step
appends its console lines to one script, which opens at the end in an editable
view to be finished by hand, searched, printed and saved.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tarvex.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt and C++ runtime packages come from the libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
include(CPack)
