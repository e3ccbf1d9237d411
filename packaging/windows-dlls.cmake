# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by the install: puts beside the program the DLLs that `dll_files`
# load, and the ones those load, found in `dll_folders` by the names their
# imports give; any other DLL is Windows' own. Then writes NOTICE.txt from
# `notice`, with the parts of the compiler's runtime that each binary holds. Symbols are for debugging
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

# Which parts of mingw-w64's runtime each binary holds, by the symbols that
# its own code defines, before any is stripped: gdtoa and mingw_pformat
# come under the Lucent licence, strtodnrp under David M. Gay's; all that
# MinGW-w64 links holds its start-up code and C library under ZPL-2.1.
set(binaries ${dll_files})
foreach(dll IN LISTS placed)
  foreach(folder IN LISTS dll_folders)
    if(EXISTS "${folder}/${dll}")
      list(APPEND binaries "${folder}/${dll}")
      break()
    endif()
  endforeach()
endforeach()
set(lucent "")
set(gay "")
foreach(file IN LISTS binaries)
  execute_process(COMMAND ${nm} --defined-only ${file} OUTPUT_VARIABLE symbols ERROR_QUIET)
  get_filename_component(name "${file}" NAME)
  if(symbols MATCHES " T (__gdtoa|__mingw_pformat)\n")
    list(APPEND lucent ${name})
  endif()
  if(symbols MATCHES " T __strtod\n")
    list(APPEND gay ${name})
  endif()
endforeach()
if(NOT lucent)
  set(lucent "none")
endif()
if(NOT gay)
  set(gay "none")
endif()
list(JOIN lucent ", " MINGW_LUCENT)
list(JOIN gay ", " MINGW_DAVID_GAY)
configure_file(${notice} "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/NOTICE.txt" @ONLY NEWLINE_STYLE WIN32)

if(CMAKE_INSTALL_DO_STRIP)
  set(dlls ${CMAKE_INSTALL_MANIFEST_FILES})
  list(FILTER dlls INCLUDE REGEX "\\.dll$")
  list(TRANSFORM dlls PREPEND "$ENV{DESTDIR}")
  execute_process(COMMAND ${strip} --strip-unneeded ${dlls} COMMAND_ERROR_IS_FATAL ANY)
endif()
