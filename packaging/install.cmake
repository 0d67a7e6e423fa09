# SPDX-License-Identifier: GPL-3.0-or-later
#
# What `cmake --install` and the Debian package put on a machine: the program,
# the three files that make it a menu entry, its manual pages in English and
# Russian, and in the documentation folder the copyright file, the changelog
# and the README with the teacher's guide. Included at the end of the
# top-level CMakeLists.txt, after every target exists.
include(GNUInstallDirs)

set(radixon_app_id io.github.radixon.Radixon)
set(radixon_packaging_dir ${CMAKE_CURRENT_LIST_DIR})

# Only the tutor itself is installed: the snapshot tool, the benchmarks and the
# tests are developer tools and have no install rules of their own.
install(TARGETS radixon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# qt_standard_project_setup() gives every target an $ORIGIN/../lib run path for
# relocatable bundles; installed next to the system's Qt the tutor needs none.
set_target_properties(radixon PROPERTIES INSTALL_RPATH "")
install(FILES ${radixon_packaging_dir}/${radixon_app_id}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${radixon_packaging_dir}/${radixon_app_id}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${radixon_packaging_dir}/${radixon_app_id}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Debian strips its binaries of the compiler's version notes as well
# (dh_strip does the same); only a stripped install is touched, so a plain
# `cmake --install` keeps the build as it was.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:radixon>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")

# Debian policy wants manual pages and the changelog compressed, and any
# other document over 4 kB (the README); -n leaves the name and time out of
# the gzip header, so the same source gives the same bytes in every build.
find_program(RADIXON_GZIP gzip REQUIRED)
set(radixon_compressed_dir ${PROJECT_BINARY_DIR}/packaging)
set(radixon_compressed "")
foreach(pair
    "${radixon_packaging_dir}/man/radixon.1=radixon.1.gz"
    "${radixon_packaging_dir}/man/radixon.ru.1=radixon.ru.1.gz"
    "${radixon_packaging_dir}/changelog=changelog.gz"
    "${PROJECT_SOURCE_DIR}/README.md=README.md.gz")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 compressed)
  # Ninja makes an output's folder by itself, the Makefile generators do not.
  add_custom_command(OUTPUT ${radixon_compressed_dir}/${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${radixon_compressed_dir}
    COMMAND sh -c "\"$0\" -9n -c \"$1\" > \"$2\""
      ${RADIXON_GZIP} ${source} ${radixon_compressed_dir}/${compressed}
    DEPENDS ${source}
    COMMENT "Compressing ${compressed}"
    VERBATIM)
  list(APPEND radixon_compressed ${radixon_compressed_dir}/${compressed})
endforeach()
add_custom_target(radixon_compressed_docs ALL DEPENDS ${radixon_compressed})

install(FILES ${radixon_compressed_dir}/radixon.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${radixon_compressed_dir}/radixon.ru.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1 RENAME radixon.1.gz)
# A native package keeps its changelog as changelog.gz (no .Debian).
install(FILES
    ${radixon_packaging_dir}/copyright
    ${radixon_compressed_dir}/changelog.gz
    ${radixon_compressed_dir}/README.md.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(RADIXON_PACKAGE_MAINTAINER "RADIXON maintainers <maintainers@radixon.example>"
  CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME radixon)
set(CPACK_PACKAGE_VENDOR "RADIXON")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${RADIXON_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# A packaged binary carries no debugging symbols (lintian would object).
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME radixon)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${RADIXON_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The self-contained build (scripts/linux.sh) installs the same command and
# menu entry.
set(CPACK_DEBIAN_PACKAGE_CONFLICTS radixon-portable)
set(CPACK_DEBIAN_PACKAGE_REPLACES radixon-portable)
# Debian wants the description in English; the tutor's own name stays in it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "tutor for converting whole numbers between number systems
РАДИКСОН (radixon) is a desktop tutor, in Russian, for school pupils
learning number systems. The pupil practises converting whole numbers
from decimal into a chosen radix, with the table of successive divisions
as the worked solution, and from the radix back into decimal, with the
expanded sum of the digits times the powers of the radix.
.
A test of an even number of tasks ends with the points, the percentage
of right answers and a verdict to show the teacher. The tutor keeps
nothing between runs and needs no set-up.")
# The Qt platform plugins, the SVG icon engine that draws the program's icon,
# the fonts standing in for Times New Roman and MS Sans Serif, and Qt's
# Russian texts are loaded at run time, which no library dependency reveals,
# so they are named by hand. The libraries themselves
# come from dpkg-shlibdeps, with the versions their shlibs files ask for;
# naming them here too would list each one twice.
set(radixon_runtime_depends "qt6-qpa-plugins, libqt6svg6, fonts-liberation, qt6-translations-l10n")
find_program(RADIXON_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(RADIXON_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${radixon_runtime_depends}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), ${radixon_runtime_depends}")
endif()

include(CPack)

if(radixon_build_tests)
  # The validators come with the test command's packages; a missing one is a
  # failed test, not a skipped check.
  find_program(RADIXON_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(RADIXON_APPSTREAMCLI appstreamcli)
  if(NOT RADIXON_DESKTOP_FILE_VALIDATE)
    set(RADIXON_DESKTOP_FILE_VALIDATE desktop-file-validate)
  endif()
  if(NOT RADIXON_APPSTREAMCLI)
    set(RADIXON_APPSTREAMCLI appstreamcli)
  endif()
  add_test(NAME packaging.every_source_file_names_its_licence
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -P ${radixon_packaging_dir}/check_spdx.cmake)
  add_test(NAME packaging.desktop_entry_valid
    COMMAND ${RADIXON_DESKTOP_FILE_VALIDATE} ${radixon_packaging_dir}/${radixon_app_id}.desktop)
  # --pedantic lists the hints as well; appstreamcli fails on its errors and
  # warnings, the regular expression is there in case a version does not.
  add_test(NAME packaging.metainfo_valid
    COMMAND ${RADIXON_APPSTREAMCLI} validate --pedantic --no-net
      ${radixon_packaging_dir}/${radixon_app_id}.metainfo.xml)
  set_tests_properties(packaging.metainfo_valid PROPERTIES FAIL_REGULAR_EXPRESSION "(^|\n)[EW]: ")
  # desktop-file-validate exits 0 after warnings; a warning is a fault here too.
  set_tests_properties(packaging.desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION ": (warning|error): ")

  # man and groff come with lintian, one of the test command's packages.
  find_program(RADIXON_MAN man)
  if(NOT RADIXON_MAN)
    set(RADIXON_MAN man)
  endif()
  foreach(page radixon.1 radixon.ru.1)
    add_test(NAME packaging.manpage_${page}
      COMMAND ${CMAKE_COMMAND}
        -DMAN=${RADIXON_MAN}
        -DPAGE=${radixon_packaging_dir}/man/${page}
        -DVERSION=${PROJECT_VERSION}
        -DREADME=${PROJECT_SOURCE_DIR}/README.md
        -P ${radixon_packaging_dir}/check_manpage.cmake)
  endforeach()

  # The built packages, checked the same way: Debian's own (scripts/package.sh)
  # and the self-contained build's .deb and RPM (scripts/linux.sh), when
  # RADIXON_PACKAGE_TESTS is on. Labelled "package": the test command runs them
  # once it has made the packages.
  if(RADIXON_PACKAGE_TESTS)
    set(radixon_linux_dir ${PROJECT_BINARY_DIR}/linux)
    set(radixon_portable_deb ${radixon_linux_dir}/dist/radixon-portable_${PROJECT_VERSION}_amd64.deb)
    set(radixon_rpm ${radixon_linux_dir}/dist/radixon-${PROJECT_VERSION}-1.x86_64.rpm)
    foreach(pair "deb=${PROJECT_BINARY_DIR}/radixon_${PROJECT_VERSION}_amd64.deb"
        "portable_deb=${radixon_portable_deb}" "rpm=${radixon_rpm}")
      string(REPLACE "=" ";" pair "${pair}")
      list(GET pair 0 name)
      list(GET pair 1 file)
      foreach(check files depends hardening version)
        add_test(NAME package.${name}.${check}
          COMMAND ${radixon_packaging_dir}/check_package.sh ${check} ${file} ${radixon_linux_dir}/radixon)
        set_tests_properties(package.${name}.${check} PROPERTIES LABELS package)
      endforeach()
    endforeach()
    # Debian's own package is linted by package.sh --lintian. Errors and warnings
    # fail; what cannot apply to a self-contained package is overridden, and
    # docs/linux-packages.md says why.
    add_test(NAME package.portable_deb.lintian
      COMMAND lintian -EvIL +pedantic --fail-on error,warning --color never ${radixon_portable_deb})
    add_test(NAME package.rpm.rpmlint
      COMMAND rpmlint -c ${radixon_packaging_dir}/linux/rpmlint.toml ${radixon_rpm})
    add_test(NAME package.tar.files COMMAND ${radixon_packaging_dir}/check_package.sh files
      ${radixon_linux_dir}/dist/radixon-${PROJECT_VERSION}-linux-x86_64.tar.xz ${radixon_linux_dir}/radixon)
    set_tests_properties(package.tar.files PROPERTIES LABELS package)
    set_tests_properties(package.portable_deb.lintian package.rpm.rpmlint PROPERTIES
      LABELS package TIMEOUT 300 FAIL_REGULAR_EXPRESSION "(^|\n)[^ ]*[EW]: ")
  endif()

  get_property(radixon_multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
  if(radixon_multi_config)
    set(radixon_install_config -DCONFIG=$<CONFIG>)
  else()
    set(radixon_install_config "")
  endif()
  add_test(NAME packaging.install_layout
    COMMAND ${CMAKE_COMMAND}
      -DBUILD_DIR=${PROJECT_BINARY_DIR}
      -DPREFIX=${PROJECT_BINARY_DIR}/packaging/install-check
      -DSOURCE_DIR=${radixon_packaging_dir}
      -DAPP_ID=${radixon_app_id}
      -DBINDIR=${CMAKE_INSTALL_BINDIR}
      -DDATADIR=${CMAKE_INSTALL_DATADIR}
      -DMANDIR=${CMAKE_INSTALL_MANDIR}
      -DDOCDIR=${CMAKE_INSTALL_DOCDIR}
      -DREADME=${PROJECT_SOURCE_DIR}/README.md
      ${radixon_install_config}
      -P ${radixon_packaging_dir}/check_install.cmake)
endif()
