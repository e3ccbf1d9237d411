# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack before it makes the Debian package: strips the program as
# Debian's dh_strip does (its symbols, the compiler's .comment and .note),
# and keeps its debug symbols beside the package, in debug/, linked from the
# program, for whoever packages them.
cmake_policy(VERSION 3.25)
find_program(objcopy objcopy REQUIRED)
find_program(strip strip REQUIRED)
file(MAKE_DIRECTORY "${CPACK_PACKAGE_DIRECTORY}/debug")
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  if(IS_SYMLINK "${program}")
    continue()
  endif()
  get_filename_component(name "${program}" NAME)
  set(symbols "${CPACK_PACKAGE_DIRECTORY}/debug/${name}.debug")
  foreach(step IN ITEMS "${objcopy};--only-keep-debug;--compress-debug-sections;${program};${symbols}"
                        "${strip};--remove-section=.comment;--remove-section=.note;${program}"
                        "${objcopy};--add-gnu-debuglink=${symbols};${program}")
    execute_process(COMMAND ${step} COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endforeach()
