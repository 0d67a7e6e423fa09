# SPDX-License-Identifier: GPL-3.0-or-later
#
# Debian's hardening flags, taken from dpkg-buildflags as a Debian package
# build would: _FORTIFY_SOURCE, the strong stack protector, format checks,
# RELRO with BIND_NOW (hardening=+all; Debian 12 leaves BIND_NOW out by
# default) and PIE (the compiler's default on Debian). Included by the
# top-level CMakeLists.txt before any target exists, so the libraries the
# tests link are compiled exactly as the packaged program is.
#
# RADIXON_DEB_BUILDFLAGS: AUTO uses the flags wherever dpkg-buildflags is
# installed (dpkg-dev), ON insists on them (scripts/package.sh), OFF leaves
# them out. The sanitizer build never takes them: _FORTIFY_SOURCE's checked
# functions hide memory accesses from AddressSanitizer.
set(RADIXON_DEB_BUILDFLAGS AUTO CACHE STRING "Compile and link with dpkg-buildflags' flags: ON, OFF or AUTO")
set_property(CACHE RADIXON_DEB_BUILDFLAGS PROPERTY STRINGS AUTO ON OFF)

set(radixon_deb_buildflags OFF)
if(RADIXON_DEB_BUILDFLAGS STREQUAL "AUTO")
  find_program(RADIXON_DPKG_BUILDFLAGS dpkg-buildflags)
  if(RADIXON_SANITIZE)
    message(STATUS "Sanitizer build: Debian's hardening flags are left out")
  elseif(RADIXON_DPKG_BUILDFLAGS)
    set(radixon_deb_buildflags ON)
  else()
    message(STATUS "dpkg-buildflags not found (package dpkg-dev): built without Debian's hardening flags")
  endif()
elseif(RADIXON_DEB_BUILDFLAGS)
  if(RADIXON_SANITIZE)
    message(FATAL_ERROR "RADIXON_DEB_BUILDFLAGS=ON and RADIXON_SANITIZE=ON do not go together")
  endif()
  find_program(RADIXON_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  set(radixon_deb_buildflags ON)
endif()

if(radixon_deb_buildflags)
  # -g and -O2 are the build type's business: Release keeps its -O3 and the
  # package is stripped anyway, so debugging information would only slow the
  # build. dpkg-buildflags drops them itself when asked through the
  # DEB_<FLAG>_MAINT_STRIP variables; anything a builder sets in the usual
  # DEB_BUILD_OPTIONS or DEB_<FLAG>_APPEND still applies. -ffile-prefix-map
  # is worked out from the current folder, hence the source folder here.
  get_property(radixon_languages GLOBAL PROPERTY ENABLED_LANGUAGES)
  set(radixon_flag_names CPPFLAGS LDFLAGS)
  foreach(lang C CXX)
    if(lang IN_LIST radixon_languages)
      list(APPEND radixon_flag_names ${lang}FLAGS)
    endif()
  endforeach()
  foreach(name IN LISTS radixon_flag_names)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env
        DEB_BUILD_MAINT_OPTIONS=hardening=+all
        "DEB_${name}_MAINT_STRIP=-g -O2"
        ${RADIXON_DPKG_BUILDFLAGS} --get ${name}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE flags
      OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "dpkg-buildflags --get ${name} failed (${result})")
    endif()
    separate_arguments(radixon_${name} UNIX_COMMAND "${flags}")
    message(STATUS "dpkg-buildflags ${name}: ${flags}")
  endforeach()

  # CMake reads none of these variables by itself once the build folder
  # exists, so they are given to every target here instead.
  foreach(lang C CXX)
    if(lang IN_LIST radixon_languages)
      add_compile_options("$<$<COMPILE_LANGUAGE:${lang}>:${radixon_CPPFLAGS};${radixon_${lang}FLAGS}>")
    endif()
  endforeach()
  add_link_options(${radixon_LDFLAGS})
endif()
