# The Windows packages, a portable zip and a per-user MSI, both made by
# cpack from one install tree: a folder that holds Ordanex.exe, the Qt and
# compiler DLLs it loads, the Qt plugins it needs, and README.txt.

# The plugins Qt loads at start: the windows platform and its native style.
set(plugins "")
foreach(plugin platforms:QWindowsIntegrationPlugin styles:QWindowsVistaStylePlugin)
  string(REPLACE ":" ";" plugin ${plugin})
  list(GET plugin 0 folder)
  list(GET plugin 1 target)
  install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION ${folder})
  list(APPEND plugins $<TARGET_FILE:Qt6::${target}>)
  list(APPEND installed_plugins ${folder}/$<TARGET_FILE_NAME:Qt6::${target}>)
endforeach()

# The Qt and compiler DLLs these load, found where they were built.
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(dll_folders "${qt_core}" DIRECTORY)
list(APPEND dll_folders ${ORDANEX_RUNTIME_DLL_FOLDERS})
install(CODE "
  set(dll_files \"$<TARGET_FILE:ordanex>;${plugins}\")
  set(plugins \"${installed_plugins}\")
  set(dll_folders \"${dll_folders}\")
  set(objdump \"${CMAKE_OBJDUMP}\")
  set(strip \"${CMAKE_STRIP}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/windows-dlls.cmake)

configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-readme.txt.in README.txt @ONLY NEWLINE_STYLE WIN32)
install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
