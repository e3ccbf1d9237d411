# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing beside the program, and the packages: Debian's, or Windows'.
include(GNUInstallDirs)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
elseif(UNIX AND NOT APPLE)
  # The documents a Debian package carries, compressed as Debian wants them.
  foreach(doc changelog ordanex.1)
    execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/${doc}
                    OUTPUT_FILE ${PROJECT_BINARY_DIR}/${doc}.gz)
  endforeach()
  install(FILES ${PROJECT_BINARY_DIR}/ordanex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/ordanex)

  # The program looks for pdftk in its own folder. Debian's lives in
  # /usr/bin, beside an install into /usr; elsewhere link to it, unless
  # something named pdftk is there already.
  find_program(ORDANEX_SYSTEM_PDFTK pdftk)
  if(ORDANEX_SYSTEM_PDFTK)
    install(CODE "
      set(target \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/pdftk\")
      set(link \"\$ENV{DESTDIR}\${target}\")
      if(NOT \"\${target}\" STREQUAL \"${ORDANEX_SYSTEM_PDFTK}\"
         AND NOT EXISTS \"\${link}\" AND NOT IS_SYMLINK \"\${link}\")
        message(STATUS \"Linking: \${link} -> ${ORDANEX_SYSTEM_PDFTK}\")
        file(CREATE_LINK \"${ORDANEX_SYSTEM_PDFTK}\" \"\${link}\" SYMBOLIC)
      endif()")
  endif()
endif()

set(CPACK_PACKAGE_NAME ordanex)
set(CPACK_PACKAGE_VENDOR "The Ordanex developers")
# Debian's format needs the maintainer's address. Ordanex has none yet: this
# one takes no mail, and is named nowhere a user would look for help.
set(CPACK_PACKAGE_CONTACT "The Ordanex developers <maintainers@ordanex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "join PDF files in the order you choose")
set(CPACK_PACKAGE_DESCRIPTION
  "Ordanex is a small desktop tool that joins PDF files. Drop files from the
file manager onto its list, order them, check the destination and press
Merge: Ordanex starts pdftk, which joins the files in list order.")
# The source of what the packages hold, to go with them: the tree as it
# is, with the scripts that build Qt for Windows, but none of the builds
# or caches in it.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME Ordanex-${PROJECT_VERSION}-source)
set(CPACK_SOURCE_IGNORE_FILES "^${PROJECT_SOURCE_DIR}/(build|\\\\.git|\\\\.cache)/"
                              "^${PROJECT_SOURCE_DIR}/\\\\.git$")
if(WIN32)
  # Both from one install tree: the zip by cpack, the MSI by wixl.
  set(CPACK_GENERATOR ZIP External)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGE_FILE_NAME Ordanex-${PROJECT_VERSION}-windows-x64)
  set(CPACK_EXTERNAL_ENABLE_STAGING ON)
  set(CPACK_EXTERNAL_REQUESTED_VERSIONS 1.0)
  set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/windows-msi.cmake)
  find_program(ORDANEX_WIXL wixl)
  set(CPACK_ORDANEX_WIXL ${ORDANEX_WIXL})
  set(CPACK_ORDANEX_WXS ${CMAKE_CURRENT_LIST_DIR}/ordanex.wxs)
  set(CPACK_ORDANEX_ICON ${PROJECT_SOURCE_DIR}/assets/icons/ordanex.ico)
  set(CPACK_ORDANEX_DESCRIPTION "${PROJECT_DESCRIPTION}")
  # Never changes: it is how Windows Installer knows a later Ordanex.
  set(CPACK_ORDANEX_UPGRADE_CODE 6B0C1F5E-2D4A-4C8E-9F3B-0A7D5E1C2B94)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY ordanex)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Stripped as Debian strips, its debug symbols kept apart. (cpack's own
  # debug symbols package lists its files by the paths they were made at.)
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian-strip.cmake)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "pdftk-java | pdftk")
  # Native windows in a Wayland session, rather than through XWayland, and
  # Qt's own words (OK, Cancel, a field's menu) in the user's language.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
endif()
include(CPack)
