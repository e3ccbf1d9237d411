# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by the install: puts beside the program the DLLs that `dll_files`
# load, and the ones those load, found in `dll_folders` by the names their
# imports give; any other DLL is Windows' own. Symbols are for debugging
# here, not for the user's download, so with --strip every DLL this install
# placed loses them.
cmake_policy(VERSION 3.25)
set(pending ${dll_files})
set(placed "")
while(pending)
  list(POP_FRONT pending file)
  execute_process(COMMAND ${objdump} -p ${file} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  list(TRANSFORM imports REPLACE "^DLL Name: " "")
  foreach(dll IN LISTS imports)
    foreach(folder IN LISTS dll_folders)
      if(NOT dll IN_LIST placed AND EXISTS "${folder}/${dll}")
        file(INSTALL "${folder}/${dll}" DESTINATION "${CMAKE_INSTALL_PREFIX}")
        list(APPEND placed ${dll})
        list(APPEND pending "${folder}/${dll}")
      endif()
    endforeach()
  endforeach()
endwhile()
if(CMAKE_INSTALL_DO_STRIP)
  set(dlls ${CMAKE_INSTALL_MANIFEST_FILES})
  list(FILTER dlls INCLUDE REGEX "\\.dll$")
  list(TRANSFORM dlls PREPEND "$ENV{DESTDIR}")
  execute_process(COMMAND ${strip} --strip-unneeded ${dlls} COMMAND_ERROR_IS_FATAL ANY)
endif()
