# cmake --install into DESTDIR with prefix /usr; then the file list must be exactly the expected
# one, and the desktop entry and the AppStream metadata must pass their validators.
file(REMOVE_RECURSE ${DESTDIR})
set(ENV{DESTDIR} ${DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(expected
    usr/bin/tessaryn
    usr/bin/tessaryn-render
    usr/bin/tessaryn-worksheet
    usr/share/applications/${APP_ID}.desktop
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/man/man1/tessaryn.1
    usr/share/man/man1/tessaryn-render.1
    usr/share/man/man1/tessaryn-worksheet.1
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    usr/share/tessaryn/screenshots/twofunc.png)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${DESTDIR} ${DESTDIR}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed files:\n${installed}\nexpected:\n${expected}")
endif()

# Each PNG icon has the size its folder names.
foreach(size 16 22 24 32 48 64 128 256)
    file(READ ${DESTDIR}/usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header
        LIMIT 24 HEX)
    string(SUBSTRING ${header} 32 16 dimensions)
    string(SUBSTRING ${dimensions} 0 8 widthHex)
    math(EXPR width "0x${widthHex}")
    if(NOT width EQUAL size)
        message(FATAL_ERROR "the ${size}x${size} icon is ${width} pixels wide")
    endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${DESTDIR}/usr/share/applications/${APP_ID}.desktop
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${output}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
    ${DESTDIR}/usr/share/metainfo/${APP_ID}.metainfo.xml
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${output}")
endif()
