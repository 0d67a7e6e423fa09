# SPDX-License-Identifier: GPL-3.0-or-later
#
# The four Windows files, made in <build>/dist by the target radixon_windows
# (scripts/windows.sh builds it): radixon.exe, one GUI program with its icon
# and version resource that needs nothing beside it; radixon-1.0-setup.exe,
# the NSIS installer; radixon-1.0.msi, the Windows Installer package a domain
# assigns by group policy; and radixon-1.0-win64.zip, the program with the
# licence and a Russian read-me for a school that may not install programs.
# Included at the end of the top-level CMakeLists.txt, after every target
# exists.
set(radixon_windows_dir ${CMAKE_CURRENT_LIST_DIR})
set(RADIXON_WINDOWS_MANIFEST ${radixon_windows_dir}/radixon.exe.manifest)
configure_file(${radixon_windows_dir}/radixon.rc.in ${PROJECT_BINARY_DIR}/radixon.rc @ONLY)
set_source_files_properties(${PROJECT_BINARY_DIR}/radixon.rc PROPERTIES
  OBJECT_DEPENDS "${RADIXON_WINDOWS_ICON};${RADIXON_WINDOWS_MANIFEST}")
target_sources(radixon PRIVATE ${PROJECT_BINARY_DIR}/radixon.rc)
add_dependencies(radixon radixon_windows_icon)
# A GUI program (no console window), stripped.
set_target_properties(radixon PROPERTIES WIN32_EXECUTABLE ON)
target_link_options(radixon PRIVATE -s)

find_program(RADIXON_MAKENSIS makensis REQUIRED)
# wixl builds the MSI; msibuild (msitools) gives it its Russian names.
find_program(RADIXON_WIXL wixl REQUIRED)
find_program(RADIXON_MSIBUILD msibuild REQUIRED)
set(radixon_dist ${PROJECT_BINARY_DIR}/dist)
set(radixon_stage ${PROJECT_BINARY_DIR}/windows-stage)
set(radixon_setup ${radixon_dist}/radixon-${PROJECT_VERSION}-setup.exe)
set(radixon_zip ${radixon_dist}/radixon-${PROJECT_VERSION}-win64.zip)
set(radixon_msi ${radixon_dist}/radixon-${PROJECT_VERSION}.msi)
add_custom_command(OUTPUT ${radixon_setup} ${radixon_zip} ${radixon_msi} ${radixon_dist}/radixon.exe
  COMMAND ${CMAKE_COMMAND}
    -DEXE=$<TARGET_FILE:radixon> -DICON=${RADIXON_WINDOWS_ICON} -DVERSION=${PROJECT_VERSION}
    -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE -DREADME=${radixon_windows_dir}/README.txt
    -DNSI=${radixon_windows_dir}/installer.nsi -DMAKENSIS=${RADIXON_MAKENSIS}
    -DWXS=${radixon_windows_dir}/radixon.wxs -DWIXL=${RADIXON_WIXL} -DMSIBUILD=${RADIXON_MSIBUILD}
    -DSTAGE=${radixon_stage} -DDIST=${radixon_dist} -DSETUP=${radixon_setup} -DZIP=${radixon_zip} -DMSI=${radixon_msi}
    -P ${radixon_windows_dir}/make_dist.cmake
  DEPENDS radixon ${radixon_windows_dir}/make_dist.cmake ${radixon_windows_dir}/installer.nsi
    ${radixon_windows_dir}/radixon.wxs
    ${radixon_windows_dir}/README.txt ${PROJECT_SOURCE_DIR}/LICENSE ${RADIXON_WINDOWS_ICON}
  COMMENT "Making the Windows installers and zip in ${radixon_dist}"
  VERBATIM)
add_custom_target(radixon_windows DEPENDS ${radixon_setup} ${radixon_zip} ${radixon_msi})

if(radixon_build_tests)
  # The installed program as a teacher gets it, under Wine on Xvfb, as
  # Windows 7 and as Windows 10 run it.
  foreach(windows IN LISTS RADIXON_WINDOWS_VERSIONS)
    add_test(NAME wine.${windows}.whole_program
      COMMAND ${PROJECT_SOURCE_DIR}/tests/windows/whole_program.sh ${radixon_dist}
              ${PROJECT_BINARY_DIR}/wine-whole-program-${windows})
    set_tests_properties(wine.${windows}.whole_program PROPERTIES TIMEOUT 600
      RESOURCE_LOCK wine-${windows} ENVIRONMENT RADIXON_WINE_WINDOWS=${windows})
  endforeach()

  # Windows 7 loads the program: its header and imports ask for nothing that
  # Windows 7 SP1 lacks. The same check refuses a program that needs Windows 8.
  set(radixon_imports_check ${PROJECT_SOURCE_DIR}/tests/windows/windows7_imports.py)
  add_test(NAME windows7.program_loads COMMAND python3 ${radixon_imports_check} $<TARGET_FILE:radixon>)
  add_executable(windows8_probe ${PROJECT_SOURCE_DIR}/tests/windows/windows8_probe.cpp)
  add_test(NAME windows7.refuses_a_windows8_program
    COMMAND python3 ${radixon_imports_check} $<TARGET_FILE:windows8_probe>)
  set_tests_properties(windows7.refuses_a_windows8_program PROPERTIES
    PASS_REGULAR_EXPRESSION "FAULT: KERNEL32.dll: GetSystemTimePreciseAsFileTime: Windows 7 SP1 lacks it")
endif()
