# SPDX-License-Identifier: GPL-3.0-or-later
#
# Renders a manual page the way lintian does and fails on any warning from
# man or groff (a line that cannot be broken, an unknown macro, a bad
# escape); then checks that the page still says what a user looks it up for.
#   cmake -DMAN=man -DPAGE=radixon.1 -DVERSION=1.0 -DREADME=README.md -P check_manpage.cmake
foreach(var MAN PAGE VERSION README)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_manpage.cmake needs -D${var}=...")
  endif()
endforeach()

# lintian's own call: the warnings go to stderr, the page to stdout.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
    ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z ${PAGE}
  RESULT_VARIABLE result
  OUTPUT_QUIET
  ERROR_VARIABLE warnings)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "man --warnings on ${PAGE} (exit ${result}):\n${warnings}")
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80 MAN_KEEP_FORMATTING=
    ${MAN} -E UTF-8 -l ${PAGE}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE text
  ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "man -l ${PAGE} failed (${result}):\n${errors}")
endif()

# Filled lines break and pad anywhere: the checks read the words only.
string(REGEX REPLACE "[ \n]+" " " text "${text}")

# The header names the release the page belongs to.
if(NOT text MATCHES "radixon ${VERSION}")
  message(FATAL_ERROR "${PAGE} does not name radixon ${VERSION} in its header")
endif()
# A user reads the page for these: the program's name, its options, the
# displays it runs on and where the teacher's guide is.
foreach(needed
    "РАДИКСОН"
    "\\-\\-help"
    "\\-\\-version"
    "\\-platform"
    "X11"
    "Wayland"
    "DISPLAY"
    "/usr/share/doc/radixon/README\\.md\\.gz"
    "Для учителя")
  if(NOT text MATCHES "${needed}")
    message(FATAL_ERROR "${PAGE} no longer mentions '${needed}':\n${text}")
  endif()
endforeach()

# The guide the page sends teachers to must be in the README it names.
file(STRINGS ${README} guide_heading ENCODING UTF-8 REGEX "^## Для учителя$")
if(NOT guide_heading)
  message(FATAL_ERROR "${README} has no section '## Для учителя', which ${PAGE} points to")
endif()
message(STATUS "${PAGE}: renders without warnings")
