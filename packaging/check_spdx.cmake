# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every source file of the project names its licence in its first lines, so
# a file copied out of it still says under which terms. Run as a test:
#   cmake -DSOURCE_DIR=... -P check_spdx.cmake
set(folders app bench core fuzz learn_to_decimal learn_to_radix main_window packaging scripts testing tests ui .ci)
set(patterns "")
foreach(folder IN LISTS folders)
  foreach(ending cpp h cmake sh py js html.in)
    list(APPEND patterns ${SOURCE_DIR}/${folder}/*.${ending})
  endforeach()
  list(APPEND patterns ${SOURCE_DIR}/${folder}/CMakeLists.txt ${SOURCE_DIR}/${folder}/*/CMakeLists.txt)
endforeach()
file(GLOB_RECURSE sources ${patterns})
list(APPEND sources ${SOURCE_DIR}/CMakeLists.txt ${SOURCE_DIR}/.ci/run)

set(unlicensed "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} head LIMIT_COUNT 3)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3\\.0-or-later")
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    list(APPEND unlicensed ${name})
  endif()
endforeach()
list(LENGTH sources count)
if(unlicensed)
  list(JOIN unlicensed "\n  " listed)
  message(FATAL_ERROR "No SPDX line (GPL-3.0-or-later) in the first three lines of:\n  ${listed}")
endif()
message(STATUS "All ${count} source files carry the SPDX line")
