# SPDX-License-Identifier: GPL-3.0-or-later
#
# The web page, made in <build>/radixon-1.0-web by the target radixon_web
# (scripts/web.sh builds it), and the same folder as radixon-1.0-web.zip:
# index.html, the program (radixon.js, radixon.wasm), Qt's loader and the
# icon. Any static web server serves it as it is. Included at the end of the
# top-level CMakeLists.txt, after every target exists.
set(radixon_web_dir ${CMAKE_CURRENT_LIST_DIR})
radixon_link_for_the_page(radixon)
# In a page, QApplication::exec() leaves main by a JavaScript exception while
# the objects of runTutor's frame (the application, the windows) live on.
# Calls compiled with C++ exceptions restore the stack on the way out, which
# would give that frame's memory to the next call: main and runTutor are
# compiled without them.
set_source_files_properties(${PROJECT_SOURCE_DIR}/app/main.cpp ${PROJECT_SOURCE_DIR}/app/tutor.cpp
  TARGET_DIRECTORY radixon PROPERTIES COMPILE_OPTIONS -fno-exceptions)
# The program reads PNG only (Qt Gui's own); the other image plugins would
# only be downloaded.
qt_import_plugins(radixon EXCLUDE_BY_TYPE imageformats)
set(radixon_web_zip ${PROJECT_BINARY_DIR}/radixon-${PROJECT_VERSION}-web.zip)
add_custom_command(OUTPUT ${radixon_web_zip} ${RADIXON_WEB_FOLDER}/index.html
  COMMAND ${CMAKE_COMMAND}
    -DPROGRAM=$<TARGET_FILE:radixon> -DLOADER=${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qtloader.js
    -DPAGE=${radixon_web_dir}/index.html.in -DICON_DIR=${RADIXON_ICON_DIR} -DVERSION=${PROJECT_VERSION}
    -DFOLDER=${RADIXON_WEB_FOLDER} -DZIP=${radixon_web_zip}
    -P ${radixon_web_dir}/make_page.cmake
  DEPENDS radixon radixon_icon_pngs ${radixon_web_dir}/make_page.cmake ${radixon_web_dir}/index.html.in
  COMMENT "Making the web page in ${RADIXON_WEB_FOLDER}"
  VERBATIM)
add_custom_target(radixon_web ALL DEPENDS ${radixon_web_zip})
# The pictures of the windows are the desktop's business.
set_target_properties(radixon_snapshots PROPERTIES EXCLUDE_FROM_ALL ON)
