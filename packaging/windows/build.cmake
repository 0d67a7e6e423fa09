# SPDX-License-Identifier: GPL-3.0-or-later
#
# The build for 64-bit Windows, cross-compiled with MinGW-w64 against a static
# Qt (scripts/windows-qt.sh). Included by the top-level CMakeLists.txt before
# any target exists, in place of Debian's build flags.
#
# Every program is one file that needs nothing beside it: Qt, the C++ runtime
# and the thread library are linked in, so only Windows' own DLLs are imported.
add_link_options(-static -static-libgcc -static-libstdc++)

# Programs built for Windows run here under Wine, each in this build's own
# Wine prefix (tests/windows/wine.sh makes it on first use).
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    ${PROJECT_SOURCE_DIR}/tests/windows/wine.sh --prefix ${PROJECT_BINARY_DIR}/wine)
endif()

# The Windows build is tested as Windows 7 and as Windows 10 run it, each
# under Wine in a prefix of its own posing as that Windows.
set(RADIXON_WINDOWS_VERSIONS win7 win10)

# GoogleTest for the cross-built tests, from Debian's googletest sources.
macro(radixon_add_googletest)
  set(RADIXON_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, built for Windows with the tests")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${RADIXON_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endmacro()

# What the Windows program carries inside itself, as Qt resources of the
# window library: the icon at the sizes Windows asks for (also made into the
# .ico of the program file), Qt's Russian texts, and the Liberation faces that
# stand in where Windows lacks the design's own (Wine has none of them).
find_program(RADIXON_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(RADIXON_ICOTOOL icotool REQUIRED)
set(RADIXON_LIBERATION_DIR /usr/share/fonts/truetype/liberation CACHE PATH "The Liberation fonts (fonts-liberation)")
set(RADIXON_QT_TRANSLATIONS_DIR /usr/share/qt${QT_VERSION_MAJOR}/translations CACHE PATH
  "Qt's translations (qttranslations5-l10n for Qt 5, qt6-translations-l10n for Qt 6)")

set(radixon_icon_dir ${PROJECT_BINARY_DIR}/windows-icon)
set(radixon_icon_svg ${PROJECT_SOURCE_DIR}/packaging/io.github.radixon.Radixon.svg)
set(RADIXON_WINDOWS_ICON ${radixon_icon_dir}/radixon.ico)
set(radixon_icon_pngs "")
set(radixon_icon_commands "")
foreach(size 16 24 32 48 64 128 256)
  list(APPEND radixon_icon_pngs ${radixon_icon_dir}/radixon-${size}.png)
  list(APPEND radixon_icon_commands
    COMMAND ${RADIXON_RSVG_CONVERT} -w ${size} -h ${size} -o ${radixon_icon_dir}/radixon-${size}.png ${radixon_icon_svg})
endforeach()
# Windows wants the largest size stored as PNG, the others as bitmaps.
list(FILTER radixon_icon_pngs EXCLUDE REGEX "-256\\.png$")
add_custom_command(OUTPUT ${RADIXON_WINDOWS_ICON} ${radixon_icon_pngs} ${radixon_icon_dir}/radixon-256.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${radixon_icon_dir}
  ${radixon_icon_commands}
  COMMAND ${RADIXON_ICOTOOL} -c -o ${RADIXON_WINDOWS_ICON} ${radixon_icon_pngs}
    --raw=${radixon_icon_dir}/radixon-256.png
  DEPENDS ${radixon_icon_svg}
  COMMENT "Drawing the program's icon for Windows"
  VERBATIM)
list(APPEND radixon_icon_pngs ${radixon_icon_dir}/radixon-256.png)
add_custom_target(radixon_windows_icon DEPENDS ${RADIXON_WINDOWS_ICON})

# radixon_add_windows_resources(TARGET): the resources above, into TARGET.
function(radixon_add_windows_resources target)
  set(fonts LiberationSerif-Bold.ttf LiberationSerif-BoldItalic.ttf LiberationSans-Regular.ttf)
  list(TRANSFORM fonts PREPEND ${RADIXON_LIBERATION_DIR}/)
  radixon_add_resources(${target} windows_fonts PREFIX /fonts BASE ${RADIXON_LIBERATION_DIR} FILES ${fonts})
  radixon_add_resources(${target} windows_translations PREFIX /i18n BASE ${RADIXON_QT_TRANSLATIONS_DIR}
    FILES ${RADIXON_QT_TRANSLATIONS_DIR}/qtbase_ru.qm)
  radixon_add_resources(${target} windows_icon PREFIX /icons BASE ${radixon_icon_dir} FILES ${radixon_icon_pngs}
    DEPENDS radixon_windows_icon)
endfunction()
