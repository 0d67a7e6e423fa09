# SPDX-License-Identifier: GPL-3.0-or-later
#
# Run by the target radixon_web (page.cmake) once the program is linked:
# fills FOLDER with the page and packs it into ZIP.
#   PROGRAM  radixon.js, with radixon.wasm beside it
#   LOADER   Qt's qtloader.js
#   PAGE     index.html.in
#   ICON_DIR the icon drawn at its sizes (radixon-SIZE.png)
#   VERSION, FOLDER, ZIP
get_filename_component(program_dir ${PROGRAM} DIRECTORY)
get_filename_component(program_name ${PROGRAM} NAME_WE)
set(wasm ${program_dir}/${program_name}.wasm)

file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
file(COPY ${PROGRAM} ${wasm} ${LOADER} ${ICON_DIR}/radixon-32.png ${ICON_DIR}/radixon-128.png
  ${ICON_DIR}/radixon-256.png DESTINATION ${FOLDER})
# The loading line counts the program's bytes as they arrive; a server that
# compresses them gives no other measure of the whole.
file(SIZE ${wasm} RADIXON_WASM_BYTES)
configure_file(${PAGE} ${FOLDER}/index.html @ONLY)

get_filename_component(folder_parent ${FOLDER} DIRECTORY)
get_filename_component(folder_name ${FOLDER} NAME)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${folder_name}
  WORKING_DIRECTORY ${folder_parent} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Packing ${ZIP} failed (${result})")
endif()
