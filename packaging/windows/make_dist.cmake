# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -P make_dist.cmake: the program, the installer and the zip in DIST.
# Texts for Windows get CRLF line ends, and the read-me a byte-order mark, so
# Notepad shows them right on every Windows 10 and 11.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE} ${DIST})

function(windows_text source target bom)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  if(bom)
    string(ASCII 239 187 191 mark)
    string(PREPEND text "${mark}")
  endif()
  file(WRITE ${target} "${text}")
endfunction()
windows_text(${LICENSE} ${STAGE}/LICENSE.txt OFF)
windows_text(${README} ${STAGE}/README.txt ON)
file(COPY_FILE ${EXE} ${STAGE}/radixon.exe)
file(COPY_FILE ${EXE} ${DIST}/radixon.exe)

file(SIZE ${EXE} bytes)
math(EXPR size_kb "(${bytes} + 1023) / 1024")
execute_process(
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${VERSION} -DEXE=${STAGE}/radixon.exe
    -DICON=${ICON} -DLICENSE=${STAGE}/LICENSE.txt -DSIZE_KB=${size_kb} -DOUTFILE=${SETUP} ${NSI}
  COMMAND_ERROR_IS_FATAL ANY)

# The zip holds its three files at its top, with a fixed time, so the same
# program gives the same archive.
file(REMOVE ${ZIP})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip --mtime=2026-01-01 radixon.exe LICENSE.txt README.txt
  WORKING_DIRECTORY ${STAGE}
  COMMAND_ERROR_IS_FATAL ANY)
