# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Numerion developers
# Installs the build into a fresh prefix and checks what a desktop finds there. Run by CTest:
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DVERSION=... -P check_install.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${result}):\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(expected
    bin/numerion
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/mime/packages/${APP_ID}.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/icons/hicolor/16x16/apps/${APP_ID}.png
    share/icons/hicolor/22x22/apps/${APP_ID}.png
    share/icons/hicolor/24x24/apps/${APP_ID}.png
    share/icons/hicolor/32x32/apps/${APP_ID}.png
    share/icons/hicolor/48x48/apps/${APP_ID}.png
    share/icons/hicolor/64x64/apps/${APP_ID}.png
    share/icons/hicolor/128x128/apps/${APP_ID}.png
    share/icons/hicolor/256x256/apps/${APP_ID}.png
    share/doc/numerion/copyright
    share/doc/numerion/changelog.gz
    share/numerion/Sample.lto
    share/numerion/Sample.inv
    share/numerion/Sample-history.csv
    share/man/man1/numerion.1.gz)
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "Installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

run(desktop-file-validate ${PREFIX}/share/applications/${APP_ID}.desktop)
if(output)
  message(FATAL_ERROR "desktop-file-validate:\n${output}")
endif()
run(appstreamcli validate --no-net ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
# The file types load into a MIME database, with their names and their first-line magic.
run(update-mime-database ${PREFIX}/share/mime)
file(STRINGS ${PREFIX}/share/mime/globs2 globs REGEX "numerion")
file(STRINGS ${PREFIX}/share/mime/magic magic REGEX "numerion")
foreach(type draws:lto tracker:inv)
  string(REPLACE ":" ";" type ${type})
  list(GET type 0 kind)
  list(GET type 1 extension)
  if(NOT globs MATCHES "application/x-numerion-${kind}:\\*\\.${extension}"
     OR NOT magic MATCHES "application/x-numerion-${kind}]")
    message(FATAL_ERROR "The MIME database misses the ${kind} files:\n${globs}\n${magic}")
  endif()
endforeach()

# The installed program answers without a display.
run(${PREFIX}/bin/numerion --version)
if(NOT output STREQUAL "numerion ${VERSION}\n")
  message(FATAL_ERROR "numerion --version said: ${output}")
endif()
file(REMOVE_RECURSE ${PREFIX})
