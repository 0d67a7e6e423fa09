# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the cross-built programs (for Windows, for the web page) share.
# Included by the platform's build file before any target exists.

# GoogleTest for the cross-built tests, from Debian's googletest sources.
macro(radixon_add_googletest)
  set(RADIXON_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, built with the cross-built tests")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${RADIXON_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endmacro()

# What a program carries inside itself where nothing is installed around it:
# Qt's Russian texts, the Liberation faces that stand in for the design's
# own, and the program's icon drawn at the sizes a window and a browser ask
# for.
find_program(RADIXON_RSVG_CONVERT rsvg-convert REQUIRED)
set(RADIXON_LIBERATION_DIR /usr/share/fonts/truetype/liberation CACHE PATH "The Liberation fonts (fonts-liberation)")
set(RADIXON_QT_TRANSLATIONS_DIR /usr/share/qt${QT_VERSION_MAJOR}/translations CACHE PATH
  "Qt's translations (qttranslations5-l10n for Qt 5, qt6-translations-l10n for Qt 6)")

set(RADIXON_ICON_DIR ${PROJECT_BINARY_DIR}/icon)
set(radixon_icon_svg ${PROJECT_SOURCE_DIR}/packaging/io.github.radixon.Radixon.svg)
set(RADIXON_ICON_PNGS "")
set(radixon_icon_commands "")
foreach(size 16 24 32 48 64 128 256)
  list(APPEND RADIXON_ICON_PNGS ${RADIXON_ICON_DIR}/radixon-${size}.png)
  list(APPEND radixon_icon_commands
    COMMAND ${RADIXON_RSVG_CONVERT} -w ${size} -h ${size} -o ${RADIXON_ICON_DIR}/radixon-${size}.png ${radixon_icon_svg})
endforeach()
add_custom_command(OUTPUT ${RADIXON_ICON_PNGS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${RADIXON_ICON_DIR}
  ${radixon_icon_commands}
  DEPENDS ${radixon_icon_svg}
  COMMENT "Drawing the program's icon"
  VERBATIM)
add_custom_target(radixon_icon_pngs DEPENDS ${RADIXON_ICON_PNGS})

# radixon_add_carried_resources(TARGET): the files above as Qt resources of
# TARGET (:/fonts, :/i18n, :/icons), which is compiled with
# RADIXON_CARRIES_FILES so that it looks for them there.
function(radixon_add_carried_resources target)
  set(fonts LiberationSerif-Bold.ttf LiberationSerif-BoldItalic.ttf LiberationSans-Regular.ttf)
  list(TRANSFORM fonts PREPEND ${RADIXON_LIBERATION_DIR}/)
  radixon_add_resources(${target} carried_fonts PREFIX /fonts BASE ${RADIXON_LIBERATION_DIR} FILES ${fonts})
  radixon_add_resources(${target} carried_translations PREFIX /i18n BASE ${RADIXON_QT_TRANSLATIONS_DIR}
    FILES ${RADIXON_QT_TRANSLATIONS_DIR}/qtbase_ru.qm)
  radixon_add_resources(${target} carried_icon PREFIX /icons BASE ${RADIXON_ICON_DIR} FILES ${RADIXON_ICON_PNGS}
    DEPENDS radixon_icon_pngs)
  target_compile_definitions(${target} PRIVATE RADIXON_CARRIES_FILES)
endfunction()
