# What `cmake --install` and the Debian package put on a machine: the program
# and the three files that make it a menu entry. Included at the end of the
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
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "тренажёр перевода целых чисел между системами счисления
РАДИКСОН — учебная программа для школьников по теме «Системы счисления».
Ученик тренируется переводить целые числа из десятичной системы в систему
с выбранным основанием (с таблицей последовательного деления) и обратно
(с развёрнутой записью числа), а затем проходит тест и получает оценку.")
# Named by hand even when dpkg-shlibdeps adds the libraries it finds: the Qt
# platform plugins, the fonts standing in for Times New Roman and MS Sans
# Serif, and Qt's Russian texts are loaded at run time, which no library
# dependency reveals.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n")
find_program(RADIXON_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(RADIXON_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
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
  add_test(NAME packaging.desktop_entry_valid
    COMMAND ${RADIXON_DESKTOP_FILE_VALIDATE} ${radixon_packaging_dir}/${radixon_app_id}.desktop)
  add_test(NAME packaging.metainfo_valid
    COMMAND ${RADIXON_APPSTREAMCLI} validate --no-net ${radixon_packaging_dir}/${radixon_app_id}.metainfo.xml)
  # desktop-file-validate exits 0 after warnings; a warning is a fault here too.
  set_tests_properties(packaging.desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION ": (warning|error): ")

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
      ${radixon_install_config}
      -P ${radixon_packaging_dir}/check_install.cmake)
endif()
