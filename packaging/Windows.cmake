# The Windows packages, a portable zip and a per-user MSI, both made by
# cpack from one install tree: a folder that holds Ordanex.exe, the Qt and
# compiler DLLs it loads, the Qt plugins it needs, and README.txt.

# The plugins Qt loads at start: the windows platform and its native style.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# The Qt and compiler DLLs these load, found where they were built.
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(dll_folders "${qt_core}" DIRECTORY)
list(APPEND dll_folders ${ORDANEX_RUNTIME_DLL_FOLDERS})
install(CODE "
  set(dll_files \"$<TARGET_FILE:ordanex>;$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>;$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>\")
  set(dll_folders \"${dll_folders}\")
  set(objdump \"${CMAKE_OBJDUMP}\")
  set(strip \"${CMAKE_STRIP}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/windows-dlls.cmake)

configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-readme.txt.in README.txt @ONLY NEWLINE_STYLE WIN32)
install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
