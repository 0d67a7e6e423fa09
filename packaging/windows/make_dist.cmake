# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -P make_dist.cmake: the program, the two installers and the zip in DIST.
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

# The Windows Installer package. wixl writes Cyrillic as empty strings: the
# names are put in afterwards, in the package's code page, Windows' Cyrillic
# one (1251), where a folder and a shortcut also get the short name that
# Windows Installer wants beside the long one.
set(msi_names
  "UPDATE Property SET Value='РАДИКСОН' WHERE Property='ProductName'"
  "UPDATE Directory SET DefaultDir='RADIKS~1|РАДИКСОН' WHERE Directory='INSTALLDIR'"
  "UPDATE Shortcut SET Name='RADIKS~1.LNK|РАДИКСОН' WHERE Shortcut='StartMenuEntry'"
  "UPDATE LaunchCondition SET Description='Уже установлена более новая версия программы РАДИКСОН.' WHERE Description='NEWER'")
list(TRANSFORM msi_names PREPEND "-q;")
file(WRITE ${STAGE}/codepage.idt "\r\n\r\n1251\t_ForceCodepage\r\n")
file(REMOVE ${MSI})
# wixl takes the files by their names in the working folder. A version's
# ProductCode follows from its number: a package of the same version made
# again is the same product to Windows, not a second one beside it.
file(COPY_FILE ${ICON} ${STAGE}/radixon.ico)
# Both codes are made in the name space of the package's UpgradeCode (radixon.wxs).
set(codes_namespace FB806EDD-AC4A-4091-B90D-53A83E1C3B15)
string(UUID product_code NAMESPACE ${codes_namespace} NAME "product-${VERSION}" TYPE SHA1 UPPER)
execute_process(
  COMMAND ${WIXL} -a x64 -D Version=${VERSION}.0 -D ProductCode={${product_code}} -D Exe=radixon.exe
    -D Icon=radixon.ico -D License=LICENSE.txt -o ${MSI} ${WXS}
  WORKING_DIRECTORY ${STAGE}
  COMMAND_ERROR_IS_FATAL ANY)
# The summary names the package's language, and its package code follows the
# program, so the same program gives the same code.
file(SHA256 ${STAGE}/radixon.exe exe_hash)
string(UUID package_code NAMESPACE ${codes_namespace} NAME "${VERSION}-${exe_hash}" TYPE SHA1 UPPER)
execute_process(
  COMMAND ${MSIBUILD} ${MSI} -i ${STAGE}/codepage.idt ${msi_names}
    -s "RADIXON ${VERSION}" "The RADIXON developers" "x64;1049" "{${package_code}}"
  COMMAND_ERROR_IS_FATAL ANY)

# The zip holds its three files at its top, with a fixed time, so the same
# program gives the same archive.
file(REMOVE ${ZIP})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip --mtime=2026-01-01 radixon.exe LICENSE.txt README.txt
  WORKING_DIRECTORY ${STAGE}
  COMMAND_ERROR_IS_FATAL ANY)
