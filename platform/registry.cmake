# The settings key: the real registry on Windows, REGEDIT4 files elsewhere.
# Included from platform/CMakeLists.txt.

# The key file's text apart from any file: plain C++, on every platform.
add_library(quellix_key_file_format STATIC ${CMAKE_CURRENT_LIST_DIR}/key_file_format.cpp)
target_link_libraries(quellix_key_file_format PUBLIC quellix_platform_api)

if(WIN32)
  add_library(quellix_registry STATIC ${CMAKE_CURRENT_LIST_DIR}/registry_win32.cpp)
  target_link_libraries(quellix_registry PUBLIC quellix_platform_api advapi32)
else()
  add_library(quellix_registry STATIC ${CMAKE_CURRENT_LIST_DIR}/registry_file.cpp)
  target_link_libraries(quellix_registry PUBLIC quellix_key_file_format)
endif()
