# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack's External generator: makes Ordanex-<version>-windows-x64.msi
# with wixl, from packaging/ordanex.wxs and the install tree cpack staged,
# which holds what the zip holds.
cmake_policy(VERSION 3.25)
set(version "${CPACK_PACKAGE_VERSION}")
# Windows Installer compares three numbers: two up to 255, then one up to 65535.
if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$"
   OR CMAKE_MATCH_1 GREATER 255 OR CMAKE_MATCH_2 GREATER 255 OR CMAKE_MATCH_3 GREATER 65535)
  message(FATAL_ERROR "MSI: Windows Installer cannot take the version \"${version}\": it needs three "
                      "numbers, the first two at most 255 and the last at most 65535. No MSI was made.")
endif()
if(NOT EXISTS "${CPACK_ORDANEX_WIXL}")
  message(FATAL_ERROR "MSI: wixl, which makes it, was not found. Install it: scripts/install-deps.sh windows")
endif()

# Codes that stay the same for the same thing: one product code per version,
# so that installing a version again meets the one installed, and one
# component code per folder, so that an upgrade finds its own.
macro(stable_guid variable name)
  string(UUID ${variable} NAMESPACE ${CPACK_ORDANEX_UPGRADE_CODE} NAME "${name}" TYPE SHA1 UPPER)
endmacro()
stable_guid(product "product ${version}")
stable_guid(programs "folder Programs")
stable_guid(shortcut "Start-menu shortcut")

# Each folder of the tree is one component with its files: an HKCU value
# is its key path, as a per-user install needs, and it removes the folder
# on uninstall.
set(tree "${CPACK_TEMPORARY_DIRECTORY}")
# wixl reads sources by paths relative to the folder it runs in, this one.
set(here "${CPACK_TOPLEVEL_DIRECTORY}")
file(RELATIVE_PATH tree_from_here "${here}" "${tree}")
file(RELATIVE_PATH icon_from_here "${here}" "${CPACK_ORDANEX_ICON}")
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${tree}" "${tree}/*")
set(folders .)
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${tree}/${entry}")
    list(APPEND folders "${entry}")
  endif()
endforeach()
list(SORT folders) # a folder after the one that holds it
set(components "")
set(refs "")
foreach(folder IN LISTS folders)
  string(MAKE_C_IDENTIFIER "${folder}" id)
  set(prefix "${folder}/")
  get_filename_component(parent "${folder}" DIRECTORY)
  get_filename_component(name "${folder}" NAME)
  string(MAKE_C_IDENTIFIER "${parent}" parent)
  string(REPLACE "/" "\\" key_name "Ordanex/${folder}")
  if(folder STREQUAL .)
    set(id Ordanex)
    set(prefix "")
    set(key_name Ordanex)
    set(directory INSTALLDIR)
    set(open "<DirectoryRef Id=\"INSTALLDIR\">")
    set(close "</DirectoryRef>")
  else()
    set(directory "Folder_${id}")
    if(parent STREQUAL "")
      set(parent INSTALLDIR)
    else()
      set(parent "Folder_${parent}")
    endif()
    set(open "<DirectoryRef Id=\"${parent}\"><Directory Id=\"${directory}\" Name=\"${name}\">")
    set(close "</Directory></DirectoryRef>")
  endif()
  stable_guid(guid "folder ${folder}")
  string(APPEND components "    ${open}\n      <Component Id=\"Files_${id}\" Guid=\"${guid}\">\n"
    "        <RegistryValue Root=\"HKCU\" Key=\"Software\\Ordanex\" Name=\"${key_name}\" Type=\"integer\" Value=\"1\" KeyPath=\"yes\"/>\n"
    "        <RemoveFolder Id=\"Remove_${id}\" On=\"uninstall\"/>\n")
  file(GLOB files LIST_DIRECTORIES false RELATIVE "${tree}" "${tree}/${prefix}*")
  foreach(file IN LISTS files)
    get_filename_component(name "${file}" NAME)
    string(MAKE_C_IDENTIFIER "${file}" file_id)
    string(APPEND components "        <File Id=\"File_${file_id}\" Name=\"${name}\" Source=\"${tree_from_here}/${file}\"/>\n")
  endforeach()
  string(APPEND components "      </Component>\n    ${close}\n")
  string(APPEND refs "      <ComponentRef Id=\"Files_${id}\"/>\n")
endforeach()
set(files_wxs "${here}/files.wxs")
file(WRITE "${files_wxs}" "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
  "<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n  <Fragment>\n${components}"
  "    <ComponentGroup Id=\"ProgramFiles\">\n${refs}    </ComponentGroup>\n  </Fragment>\n</Wix>\n")

set(msi "${here}/Ordanex-${version}-windows-x64.msi")
set(log "${here}/wixl.log")
execute_process(
  COMMAND "${CPACK_ORDANEX_WIXL}" --arch x64 --output "${msi}"
    -D "Version=${version}" -D "ProductCode=${product}" -D "UpgradeCode=${CPACK_ORDANEX_UPGRADE_CODE}"
    -D "Manufacturer=${CPACK_PACKAGE_VENDOR}" -D "Description=${CPACK_ORDANEX_DESCRIPTION}"
    -D "Icon=${icon_from_here}" -D "UserProgramsGuid=${programs}" -D "ShortcutGuid=${shortcut}"
    "${CPACK_ORDANEX_WXS}" "${files_wxs}"
  WORKING_DIRECTORY "${here}" RESULT_VARIABLE failed OUTPUT_FILE "${log}" ERROR_FILE "${log}")
if(failed)
  message(FATAL_ERROR "MSI: wixl failed (log: ${log}).")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")
