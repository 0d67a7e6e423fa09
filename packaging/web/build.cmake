# SPDX-License-Identifier: GPL-3.0-or-later
#
# The build for a web page: WebAssembly from Emscripten against a static,
# single-threaded Qt (scripts/web-qt.sh, whose qt-cmake configures this).
# Included by the top-level CMakeLists.txt before any target exists, in place
# of Debian's build flags, which have no meaning in WebAssembly.

# The program is made as small as the toolchain makes it: what a pupil
# downloads counts for more than speed, which the tutor has to spare.
foreach(config RELEASE MINSIZEREL)
  set(CMAKE_CXX_FLAGS_${config} "-Oz -DNDEBUG")
  set(CMAKE_EXE_LINKER_FLAGS_${config} "-Oz")
endforeach()

# Qt for WebAssembly is built without C++ exceptions, and links every
# program with exception catching off; the tutor reports a runtime error
# (an overflow) by catching it, so it compiles its own code with exceptions
# and links with catching on. The link option goes among the libraries,
# after Qt's own, which would otherwise win.
add_compile_options(-fexceptions)
link_libraries(-sDISABLE_EXCEPTION_CATCHING=0)

# The page carries its faces, Qt's texts and its icon (cross.cmake); the
# icon is also the page's.
include(${PROJECT_SOURCE_DIR}/packaging/cross.cmake)

# radixon_link_for_the_page(TARGET): what a program with windows needs in a
# page. Qt's platform calls Emscripten's UTF-16 helpers from JavaScript, so
# they are exported; Asyncify lets a modal dialog wait for the pupil inside
# a click, as Qt 6.4 does it when the program is linked with it.
function(radixon_link_for_the_page target)
  target_link_options(${target} PRIVATE
    "-sEXPORTED_RUNTIME_METHODS=UTF16ToString,stringToUTF16"
    -sASYNCIFY "-sASYNCIFY_IMPORTS=qt_asyncify_suspend_js,qt_asyncify_resume_js")
endfunction()

# Where page.cmake makes the page, and the browser test finds it.
set(RADIXON_WEB_FOLDER ${PROJECT_BINARY_DIR}/radixon-${PROJECT_VERSION}-web)
