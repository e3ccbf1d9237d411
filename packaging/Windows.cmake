# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages, a portable zip and a per-user MSI, both made by
# cpack from one install tree: a folder that holds Ordanex.exe, the Qt and
# compiler DLLs it loads, the Qt plugins it needs, the translations,
# README.txt, and the licences of it all with NOTICE.txt.

# The plugins Qt loads at start: the windows platform and its native style.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# The Qt and compiler DLLs these load, found where they were built.
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(dll_folders "${qt_core}" DIRECTORY)
list(APPEND dll_folders ${ORDANEX_RUNTIME_DLL_FOLDERS})
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-readme.txt.in README.txt @ONLY NEWLINE_STYLE WIN32)
install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)

# The licences of all that the folder holds, taken from where this machine
# keeps them: Debian's common licences, the MinGW packages' copyright files,
# and the notices of Qt's source package (kept by scripts/qt-windows.sh).
# NOTICE.txt says which covers what.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
set(licenses ${PROJECT_BINARY_DIR}/licenses)
file(MAKE_DIRECTORY ${licenses})
foreach(text IN ITEMS /usr/share/common-licenses/GPL-3 /usr/share/common-licenses/LGPL-3
                      ${qt_prefix}/notices/Qt-third-party.txt
                      ${qt_prefix}/notices/Qt-GPL-exception-1.0.txt
                      /usr/share/doc/gcc-mingw-w64-base/copyright
                      /usr/share/doc/mingw-w64-x86-64-dev/copyright)
  if(NOT EXISTS ${text})
    message(FATAL_ERROR "Windows packages: ${text} is missing; scripts/qt-windows.sh and "
                        "scripts/install-deps.sh windows bring what they need")
  endif()
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/COPYING COPYING.txt COPYONLY)
configure_file(/usr/share/common-licenses/GPL-3 ${licenses}/GPL-3.0.txt COPYONLY)
configure_file(/usr/share/common-licenses/LGPL-3 ${licenses}/Qt-LGPL-3.0.txt COPYONLY)
configure_file(${qt_prefix}/notices/Qt-third-party.txt ${licenses}/Qt-third-party.txt COPYONLY)
configure_file(${qt_prefix}/notices/Qt-GPL-exception-1.0.txt ${licenses}/Qt-GPL-exception-1.0.txt
               COPYONLY)
execute_process(
  COMMAND awk "/^GCC RUNTIME LIBRARY EXCEPTION$/,/requirements of the license of GCC\\./"
          /usr/share/doc/gcc-mingw-w64-base/copyright
  OUTPUT_FILE ${licenses}/GCC-Runtime-Library-Exception-3.1.txt COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND awk -v files=mingw-w64-libraries/winpthreads/ -v except=tests_pthread
          -f ${CMAKE_CURRENT_LIST_DIR}/copyright-part.awk
          /usr/share/doc/mingw-w64-x86-64-dev/copyright /usr/share/doc/mingw-w64-x86-64-dev/copyright
  OUTPUT_FILE ${licenses}/winpthreads.txt COMMAND_ERROR_IS_FATAL ANY)
# What MinGW-w64 links into every program and DLL: its default licence, the
# start-up code's, and those of the number conversions and printf.
execute_process(
  COMMAND awk -v "files=(\\*\n|mingw-w64-crt/crt/\\*|mingw-w64-crt/gdtoa/)"
          -f ${CMAKE_CURRENT_LIST_DIR}/copyright-part.awk
          /usr/share/doc/mingw-w64-x86-64-dev/copyright /usr/share/doc/mingw-w64-x86-64-dev/copyright
  OUTPUT_FILE ${licenses}/mingw-w64-runtime.txt COMMAND_ERROR_IS_FATAL ANY)

# The versions NOTICE.txt names, as the packages here say them.
macro(package_version variable package)
  execute_process(COMMAND dpkg-query -W -f=\${Version} ${package}
                  OUTPUT_VARIABLE ${variable} COMMAND_ERROR_IS_FATAL ANY)
endmacro()
package_version(GCC_RUNTIME_VERSION gcc-mingw-w64-x86-64-posix-runtime)
package_version(MINGW_VERSION mingw-w64-x86-64-dev)
package_version(QT_TRANSLATIONS_VERSION qt6-translations-l10n)
file(READ ${qt_prefix}/notices/source QT_SOURCE)
string(STRIP "${QT_SOURCE}" QT_SOURCE)
string(REGEX REPLACE "^[^ ]+ " "" QT_SOURCE_VERSION "${QT_SOURCE}")
install(FILES ${PROJECT_BINARY_DIR}/COPYING.txt DESTINATION .)
install(DIRECTORY ${licenses}/ DESTINATION licenses)

# The DLLs, and NOTICE.txt, which names what each holds of the compiler's
# runtime: the install finds both in the binaries.
install(CODE "
  set(dll_files \"$<TARGET_FILE:ordanex>;$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>;$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>\")
  set(dll_folders \"${dll_folders}\")
  set(objdump \"${CMAKE_OBJDUMP}\")
  set(nm \"${CMAKE_NM}\")
  set(strip \"${CMAKE_STRIP}\")
  set(notice \"${CMAKE_CURRENT_LIST_DIR}/windows-notice.txt.in\")
  set(ORDANEX_VERSION_TEXT \"${ORDANEX_VERSION_TEXT}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  set(Qt6_VERSION \"${Qt6_VERSION}\")
  set(QT_SOURCE \"${QT_SOURCE}\")
  set(QT_SOURCE_VERSION \"${QT_SOURCE_VERSION}\")
  set(QT_TRANSLATIONS_VERSION \"${QT_TRANSLATIONS_VERSION}\")
  set(GCC_RUNTIME_VERSION \"${GCC_RUNTIME_VERSION}\")
  set(MINGW_VERSION \"${MINGW_VERSION}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/windows-dlls.cmake)
