# launcher_resource_builders: portable code that makes the bytes of the executable's resources
# (the version block, the icon group and its images). It runs on the build host only: in
# tools/resource_tool, which writes the files the resource script includes, and in the unit tests.
include_guard(GLOBAL)

add_library(launcher_resource_builders STATIC
  ${CMAKE_CURRENT_LIST_DIR}/icon_group.cpp
  ${CMAKE_CURRENT_LIST_DIR}/utf16_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/version_block.cpp
)
target_link_libraries(launcher_resource_builders PUBLIC launcher_core)
