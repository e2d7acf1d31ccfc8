# The program's SVG pictures, drawn into plain pixel images at build time by tarvex_render_pictures
# (at the size they are shown and at twice that size) and compiled into tarvex_core as the
# resource "pictures" (":/images/NAME.rgba"). The program itself then needs no SVG renderer and
# decodes nothing.
set(TARVEX_PICTURES
    new:24x24 new_disabled:24x24 open:24x24 open_disabled:24x24 save:24x24 save_disabled:24x24
    exit:24x24 exit_disabled:24x24 keymap:24x24 keymap_disabled:24x24
    toolbar_decoration:150x44 tarvex:64x64 banner:340x70)

add_executable(tarvex_render_pictures ${PROJECT_SOURCE_DIR}/resources/render_pictures.cpp)
target_link_libraries(tarvex_render_pictures PRIVATE Qt6::Gui Qt6::Svg)
tarvex_warnings(tarvex_render_pictures)

set(pictures_dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)
set(picture_args)
set(picture_files)
set(picture_svgs)
set(qrc_files)
foreach(picture ${TARVEX_PICTURES})
    string(REPLACE ":" ";" fields ${picture})
    list(GET fields 0 name)
    list(GET fields 1 size)
    set(svg ${PROJECT_SOURCE_DIR}/resources/images/${name}.svg)
    list(APPEND picture_svgs ${svg})
    list(APPEND picture_args ${svg}:${name}:${size})
    foreach(file ${name}.rgba ${name}@2x.rgba)
        list(APPEND picture_files ${pictures_dir}/${file})
        string(APPEND qrc_files "    <file alias=\"images/${file}\">pictures/${file}</file>\n")
    endforeach()
endforeach()

# Run headless; a sanitized build's leak report of the tool would only stop the build.
add_custom_command(OUTPUT ${picture_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:tarvex_render_pictures> ${pictures_dir} ${picture_args}
    DEPENDS tarvex_render_pictures ${picture_svgs}
    COMMENT "Drawing the program's pictures"
    VERBATIM)

file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/pictures.qrc CONTENT
    "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n${qrc_files}  </qresource>\n</RCC>\n")
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/qrc_pictures.cpp
    COMMAND Qt6::rcc --name pictures --output ${CMAKE_CURRENT_BINARY_DIR}/qrc_pictures.cpp
            ${CMAKE_CURRENT_BINARY_DIR}/pictures.qrc
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/pictures.qrc ${picture_files}
    VERBATIM)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/qrc_pictures.cpp PROPERTIES
    SKIP_AUTOGEN ON)
target_sources(tarvex_core PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/qrc_pictures.cpp)
