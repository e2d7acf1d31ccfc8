# Installs the build in BUILD_DIR below STAGE_DIR, then checks that the program, its manuals, its
# desktop files and its licence are where the desktop, the program and Debian look for them, and
# that they agree with each other and with the project's VERSION.
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE ${STAGE_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE_DIR}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(failures "")
function(fault text)
    set(failures "${failures}\n  ${text}" PARENT_SCOPE)
endfunction()
# Notes a fault unless the text matches the pattern.
function(expect text pattern complaint)
    if(NOT text MATCHES "${pattern}")
        set(failures "${failures}\n  ${complaint}" PARENT_SCOPE)
    endif()
endfunction()

set(program ${STAGE_DIR}/bin/tarvex)
set(manual ${STAGE_DIR}/share/tarvex/manual.txt)
set(desktop ${STAGE_DIR}/share/applications/tarvex.desktop)
set(metainfo ${STAGE_DIR}/share/metainfo/org.tarvex.tarvex.metainfo.xml)
set(icon ${STAGE_DIR}/share/icons/hicolor/scalable/apps/tarvex.svg)
set(man_page ${STAGE_DIR}/share/man/man1/tarvex.1.gz)
set(copyright ${STAGE_DIR}/share/doc/tarvex/copyright)
set(changelog ${STAGE_DIR}/share/doc/tarvex/changelog.gz)

if(NOT EXISTS ${program} OR IS_DIRECTORY ${program})
    fault("no program at bin/tarvex")
else()
    file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${program} RESOLVED_DEPENDENCIES_VAR libraries
         UNRESOLVED_DEPENDENCIES_VAR missing)
    if(missing)
        fault("the installed program needs libraries that are not found: ${missing}")
    endif()
endif()

# The Help menu opens <bindir>/../share/tarvex/manual.txt: it must be the manual itself.
if(NOT EXISTS ${manual})
    fault("no manual at share/tarvex/manual.txt")
else()
    file(SHA256 ${CMAKE_CURRENT_LIST_DIR}/../../docs/manual.txt expected)
    file(SHA256 ${manual} installed)
    if(NOT installed STREQUAL expected)
        fault("share/tarvex/manual.txt differs from docs/manual.txt")
    endif()
endif()

# gzip -dc of a file, or an empty text if it is not there or not gzipped.
function(read_gzipped file variable)
    set(text "")
    if(EXISTS ${file})
        execute_process(COMMAND gzip -dc ${file} OUTPUT_VARIABLE text ERROR_QUIET)
    endif()
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

read_gzipped(${man_page} page)
expect("${page}" "\n\\.TH TARVEX 1 "
       "no gzipped manual page tarvex(1) at share/man/man1/tarvex.1.gz")

if(NOT EXISTS ${copyright})
    fault("no copyright file at share/doc/tarvex/copyright")
else()
    file(READ ${copyright} text)
    expect("${text}" "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
           "share/doc/tarvex/copyright is not in Debian's machine-readable format")
endif()

# The package's version comes from the project: the newest changelog entry must be for it.
read_gzipped(${changelog} text)
string(REPLACE "." "\\." version_pattern "${VERSION}")
expect("${text}" "^tarvex \\(${version_pattern}\\) "
       "share/doc/tarvex/changelog.gz does not begin with an entry for version ${VERSION}")

if(NOT EXISTS ${icon})
    fault("no icon at share/icons/hicolor/scalable/apps/tarvex.svg")
else()
    file(READ ${icon} svg LIMIT 200)
    expect("${svg}" "^<svg "
           "the icon is not an SVG picture")
endif()

if(NOT EXISTS ${desktop})
    fault("no desktop entry at share/applications/tarvex.desktop")
else()
    # The entry starts the installed program and shows the installed icon.
    file(READ ${desktop} entry)
    expect("${entry}" "\nExec=tarvex %f\n"
           "the desktop entry does not start tarvex")
    expect("${entry}" "\nIcon=tarvex\n"
           "the desktop entry does not show the tarvex icon")
    expect("${entry}" "\nCategories=Game;Utility;\n"
           "the desktop entry is not in the Game and Utility categories")
endif()

if(NOT EXISTS ${metainfo})
    fault("no metainfo at share/metainfo/org.tarvex.tarvex.metainfo.xml")
else()
    file(READ ${metainfo} component)
    expect("${component}" "<launchable type=\"desktop-id\">tarvex\\.desktop</launchable>"
           "the metainfo does not launch tarvex.desktop")
    expect("${component}" "<binary>tarvex</binary>"
           "the metainfo does not provide the tarvex program")
    expect("${component}" "<screenshot[^>]*>.*<image>https://[^<]+\\.png</image>"
           "the metainfo has no screenshot")
    # The installed tree as software centres read it: metainfo and desktop entry together.
    execute_process(COMMAND appstreamcli validate-tree --no-net --strict ${STAGE_DIR}
                    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT result EQUAL 0)
        fault("appstreamcli validate-tree fails:\n${report}")
    endif()
endif()

if(failures)
    message(FATAL_ERROR "The installed tree is not right:${failures}")
endif()
message(STATUS "The installed tree below ${STAGE_DIR} is complete")
