# Installation and packaging of the program.
#
#   cmake --install <build> [--prefix /usr]   puts the program, its manuals, licence and desktop
#                                              files in place;
#   cpack -G DEB (see scripts/package)         wraps the same files into a Debian package.
#
# The Help menu finds the manual at <bindir>/../share/tarvex/manual.txt, so the program and the
# manual keep the standard bin/ and share/ folders below one prefix.
include(GNUInstallDirs)

set(TARVEX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(TARVEX_APP_ID org.tarvex.tarvex)
# Debian's layout: the package's own doc folder is named after the package, in lower case.
set(TARVEX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarvex)

# Folders come out rwxr-xr-x whatever the umask of the one who builds (files are rw-r--r-- and
# the program rwxr-xr-x anyway), in the install and in the package alike.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The manual page and the changelog are installed gzipped, as Debian wants them: at the highest
# compression and without a time stamp, so that two builds give the same bytes.
configure_file(${PROJECT_SOURCE_DIR}/docs/tarvex.1.in ${CMAKE_BINARY_DIR}/doc/tarvex.1 @ONLY)
function(tarvex_gzip source output)
    add_custom_command(OUTPUT ${output}
                       COMMAND gzip -9n --stdout ${source} > ${output}
                       DEPENDS ${source}
                       COMMENT "Compressing ${output}"
                       VERBATIM)
endfunction()
tarvex_gzip(${CMAKE_BINARY_DIR}/doc/tarvex.1 ${CMAKE_BINARY_DIR}/doc/tarvex.1.gz)
tarvex_gzip(${TARVEX_PACKAGING_DIR}/changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_target(tarvex_docs ALL
                  DEPENDS ${CMAKE_BINARY_DIR}/doc/tarvex.1.gz ${CMAKE_BINARY_DIR}/doc/changelog.gz)

install(TARGETS tarvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripping install (cpack, cmake --install --strip) also drops the compiler's notes from the
# program, as Debian's own packaging tools do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tarvex\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
install(FILES ${PROJECT_SOURCE_DIR}/docs/manual.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvex)
install(FILES ${CMAKE_BINARY_DIR}/doc/tarvex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TARVEX_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${TARVEX_DOC_DIR})
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
# The lines of the long description stay within 80 columns with the space Debian puts before
# each of them.
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvex writes configuration scripts (.cfg files) for the game Wolfenstein:
Enemy Territory. A wizard walks through a start screen and nine steps (key
bindings, chat bindings, ready-made toggle scripts, client and server
settings); each step appends its console lines to one script, which opens at
the end in an editable view to be finished by hand, searched, printed and
saved.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tarvex.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# control and md5sums rw-r--r--, as dpkg-deb builds them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt and C++ runtime packages come from the libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
include(CPack)
