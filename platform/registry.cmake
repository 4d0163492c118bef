# The settings key: the real registry on Windows, REGEDIT4 files elsewhere.
# Included from platform/CMakeLists.txt.
if(WIN32)
  add_library(quellix_registry STATIC ${CMAKE_CURRENT_LIST_DIR}/registry_win32.cpp)
  target_link_libraries(quellix_registry PUBLIC quellix_platform_api advapi32)
else()
  add_library(quellix_registry STATIC ${CMAKE_CURRENT_LIST_DIR}/registry_file.cpp)
  target_link_libraries(quellix_registry PUBLIC quellix_platform_api)
endif()
