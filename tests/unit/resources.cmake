# Unit tests of the resource builders (src/resources): the version block, the icon group, and
# the UTF-16 text they store. Included from CMakeLists.txt.
include(${PROJECT_SOURCE_DIR}/src/resources/resource_builders.cmake)

add_executable(launcher_resources_test
  ${CMAKE_CURRENT_LIST_DIR}/byte_mutations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources_icon_group_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources_utf16_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources_version_block_test.cpp
)
target_link_libraries(launcher_resources_test PRIVATE
  launcher_resource_builders launcher_test_support GTest::gtest_main)
target_compile_definitions(launcher_resources_test PRIVATE
  LAUNCHER_PROGRAM_ICON="${PROJECT_SOURCE_DIR}/src/resources/artwork/launcher.ico")
gtest_discover_tests(launcher_resources_test DISCOVERY_MODE PRE_TEST)
