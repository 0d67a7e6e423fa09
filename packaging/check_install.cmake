# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the build into PREFIX and checks that exactly the files that
# installed-files.txt lists land there (the program, its three menu files,
# its two manual pages and its three documents),
# that the menu files still point at one another and that the compressed
# files hold their sources, compressed as Debian asks.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DSOURCE_DIR=... -DAPP_ID=...
#         -DBINDIR=bin -DDATADIR=share -DMANDIR=share/man -DDOCDIR=share/doc/radixon
#         -DREADME=.../README.md [-DCONFIG=Release] -P check_install.cmake
foreach(var BUILD_DIR PREFIX SOURCE_DIR APP_ID BINDIR DATADIR MANDIR DOCDIR README)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_install.cmake needs -D${var}=...")
  endif()
endforeach()

# A file left from an earlier run would hide one that is no longer installed.
file(REMOVE_RECURSE "${PREFIX}")

set(config_args "")
if(CONFIG)
  set(config_args --config "${CONFIG}")
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" ${config_args}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(program "${BINDIR}/radixon")
set(desktop "${DATADIR}/applications/${APP_ID}.desktop")
set(icon "${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg")
set(metainfo "${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
set(manpage "${MANDIR}/man1/radixon.1.gz")
set(manpage_ru "${MANDIR}/ru/man1/radixon.1.gz")
set(copyright "${DOCDIR}/copyright")
set(changelog "${DOCDIR}/changelog.gz")
set(readme "${DOCDIR}/README.md.gz")
file(STRINGS "${SOURCE_DIR}/installed-files.txt" expected REGEX "^[^#]")
list(SORT expected)

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "Installed files differ from the expected ones.\n"
    "  missing: ${missing}\n  not expected: ${extra}")
endif()

# The program is the linked executable, not a copy of some other file.
file(READ "${PREFIX}/${program}" magic LIMIT 4 HEX)
if(NOT magic STREQUAL "7f454c46")
  message(FATAL_ERROR "${program} is not an ELF executable")
endif()
execute_process(COMMAND test -x "${PREFIX}/${program}" RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
  message(FATAL_ERROR "${program} is installed without execute permission")
endif()

# Qt's standard setup would give it an $ORIGIN run path, meant for bundles.
file(STRINGS "${PREFIX}/${program}" origin_run_path REGEX "\\$ORIGIN")
if(origin_run_path)
  message(FATAL_ERROR "${program} keeps a run path relative to itself: ${origin_run_path}")
endif()

foreach(pair "${desktop}=${APP_ID}.desktop" "${icon}=${APP_ID}.svg" "${metainfo}=${APP_ID}.metainfo.xml"
    "${copyright}=copyright")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 installed_file)
  list(GET pair 1 source_file)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
    "${PREFIX}/${installed_file}" "${SOURCE_DIR}/${source_file}" RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${installed_file} differs from packaging/${source_file}")
  endif()
endforeach()

# gzip -9n: the header (RFC 1952) carries no file name (FLG bit 3) and a zero
# time, and its XFL byte says "maximum compression" (2). Decompressed, each
# file is its source. The Russian page is renamed on install, hence the list.
foreach(pair "${manpage}=${SOURCE_DIR}/man/radixon.1" "${manpage_ru}=${SOURCE_DIR}/man/radixon.ru.1"
    "${changelog}=${SOURCE_DIR}/changelog" "${readme}=${README}")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 installed_file)
  list(GET pair 1 source_file)
  file(READ "${PREFIX}/${installed_file}" header LIMIT 10 HEX)
  string(SUBSTRING "${header}" 0 6 method)
  string(SUBSTRING "${header}" 6 2 flags)
  string(SUBSTRING "${header}" 8 8 mtime)
  string(SUBSTRING "${header}" 16 2 extra_flags)
  if(NOT method STREQUAL "1f8b08")
    message(FATAL_ERROR "${installed_file} is not gzip-compressed")
  endif()
  math(EXPR has_name "0x${flags} & 8")
  if(NOT has_name EQUAL 0 OR NOT mtime STREQUAL "00000000")
    message(FATAL_ERROR "${installed_file} keeps a file name or time in its gzip header (gzip -n)")
  endif()
  if(NOT extra_flags STREQUAL "02")
    message(FATAL_ERROR "${installed_file} is not compressed at gzip's maximum level (gzip -9)")
  endif()
  execute_process(COMMAND gzip -dc "${PREFIX}/${installed_file}"
    OUTPUT_FILE "${PREFIX}/decompressed" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip -dc ${installed_file} failed (${result})")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
    "${PREFIX}/decompressed" "${source_file}" RESULT_VARIABLE differs)
  file(REMOVE "${PREFIX}/decompressed")
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${installed_file} does not decompress to ${source_file}")
  endif()
endforeach()

# The licence is stated twice, for Debian in the copyright file and for
# software centres in the metainfo; the two must name the same one.
file(READ "${PREFIX}/${copyright}" copyright_text)
if(NOT copyright_text MATCHES "^Format: https://www\\.debian\\.org/doc/packaging-manuals/copyright-format/1\\.0/\n")
  message(FATAL_ERROR "${copyright} is not in Debian's machine-readable format")
endif()
if(NOT copyright_text MATCHES "\nFiles: \\*\nCopyright: [^\n]+\nLicense: GPL-3\\+\n")
  message(FATAL_ERROR "${copyright} does not put every file under GPL-3+")
endif()

# The menu starts the program by the desktop entry's Exec and finds the icon by
# its Icon; AppStream finds the entry by the launchable. A rename of any one of
# them breaks the menu entry without failing any validator.
file(STRINGS "${PREFIX}/${desktop}" exec_line REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec_program "${exec_line}")
if(NOT exec_program STREQUAL "radixon")
  message(FATAL_ERROR "The desktop entry starts '${exec_program}', not the installed ${program}")
endif()
file(STRINGS "${PREFIX}/${desktop}" icon_line REGEX "^Icon=")
if(NOT icon_line STREQUAL "Icon=${APP_ID}")
  message(FATAL_ERROR "The desktop entry names the icon '${icon_line}', but ${icon} is installed")
endif()
file(READ "${PREFIX}/${metainfo}" metainfo_text)
string(REPLACE "." "\\." app_id_pattern "${APP_ID}")
if(NOT metainfo_text MATCHES "<id>${app_id_pattern}</id>")
  message(FATAL_ERROR "The metainfo's <id> is not ${APP_ID}")
endif()
if(NOT metainfo_text MATCHES "<launchable type=\"desktop-id\">${app_id_pattern}\\.desktop</launchable>")
  message(FATAL_ERROR "The metainfo does not launch ${APP_ID}.desktop")
endif()
if(NOT metainfo_text MATCHES "<project_license>GPL-3\\.0-or-later</project_license>")
  message(FATAL_ERROR "The metainfo's project_license is not GPL-3.0-or-later, the copyright file's GPL-3+")
endif()

message(STATUS "Installed into ${PREFIX}: ${expected}")
