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

# The Windows program carries its faces, Qt's texts and its icon
# (cross.cmake); the icon is also made into the .ico of the program file.
include(${PROJECT_SOURCE_DIR}/packaging/cross.cmake)
find_program(RADIXON_ICOTOOL icotool REQUIRED)
set(RADIXON_WINDOWS_ICON ${RADIXON_ICON_DIR}/radixon.ico)
# Windows wants the largest size stored as PNG, the others as bitmaps.
set(radixon_icon_bitmaps ${RADIXON_ICON_PNGS})
list(FILTER radixon_icon_bitmaps EXCLUDE REGEX "-256\\.png$")
add_custom_command(OUTPUT ${RADIXON_WINDOWS_ICON}
  COMMAND ${RADIXON_ICOTOOL} -c -o ${RADIXON_WINDOWS_ICON} ${radixon_icon_bitmaps} --raw=${RADIXON_ICON_DIR}/radixon-256.png
  DEPENDS ${RADIXON_ICON_PNGS}
  COMMENT "Making the program's icon for Windows"
  VERBATIM)
add_custom_target(radixon_windows_icon DEPENDS ${RADIXON_WINDOWS_ICON})
