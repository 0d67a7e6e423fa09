# Installs the build into PREFIX and checks that exactly the program and its
# three menu files land there, and that they still point at one another.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DSOURCE_DIR=... -DAPP_ID=...
#         -DBINDIR=bin -DDATADIR=share [-DCONFIG=Release] -P check_install.cmake
foreach(var BUILD_DIR PREFIX SOURCE_DIR APP_ID BINDIR DATADIR)
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
set(expected "${program}" "${desktop}" "${icon}" "${metainfo}")
list(SORT expected)

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "Installed files differ from the expected four.\n"
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

foreach(pair "${desktop}=${APP_ID}.desktop" "${icon}=${APP_ID}.svg" "${metainfo}=${APP_ID}.metainfo.xml")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 installed_file)
  list(GET pair 1 source_file)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
    "${PREFIX}/${installed_file}" "${SOURCE_DIR}/${source_file}" RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${installed_file} differs from packaging/${source_file}")
  endif()
endforeach()

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

message(STATUS "Installed into ${PREFIX}: ${expected}")
