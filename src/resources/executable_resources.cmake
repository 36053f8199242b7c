# launcher_resources: the resources every launcher executable links in (launcher.rc): the
# program icon, the version block and the manifest. The resource compiler only copies in files
# the build makes here: resource_tool writes the icon's and the version's, configuration the
# manifest. Needs launcher::resource_tool (src/resources/CMakeLists.txt).
include_guard(GLOBAL)

set(launcher_rc_dir "${CMAKE_CURRENT_BINARY_DIR}/rc")
file(MAKE_DIRECTORY "${launcher_rc_dir}")

# The icon's images as resources 3 to 7 and the group DEFAULT_ICON listing them. Fixed ids keep
# the resources the same from one build, and one release, to the next.
set(launcher_icon_script "${launcher_rc_dir}/default_icon.rc")
add_custom_command(
  OUTPUT "${launcher_icon_script}"
  COMMAND launcher::resource_tool icons "${CMAKE_CURRENT_SOURCE_DIR}/artwork/launcher.ico"
          --group DEFAULT_ICON --first-id 3 --out "${launcher_icon_script}"
  DEPENDS launcher::resource_tool "${CMAKE_CURRENT_SOURCE_DIR}/artwork/launcher.ico"
  COMMENT "Splitting the program icon into resources"
  VERBATIM)

set(launcher_version_block "${launcher_rc_dir}/version.bin")
add_custom_command(
  OUTPUT "${launcher_version_block}"
  COMMAND launcher::resource_tool version "${CMAKE_CURRENT_SOURCE_DIR}/version_info.json"
          --out "${launcher_version_block}"
  DEPENDS launcher::resource_tool "${CMAKE_CURRENT_SOURCE_DIR}/version_info.json"
  COMMENT "Making the version block"
  VERBATIM)

# The manifest names the build's own processor. Its template is laid out to be read; the
# resource holds it on one line with no final newline.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(LAUNCHER_MANIFEST_ARCHITECTURE amd64)
else()
  set(LAUNCHER_MANIFEST_ARCHITECTURE x86)
endif()
set(launcher_manifest_template "${CMAKE_CURRENT_LIST_DIR}/launcher.manifest.in")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${launcher_manifest_template}")
file(READ "${launcher_manifest_template}" launcher_manifest)
string(REGEX REPLACE "\n *" "" launcher_manifest "${launcher_manifest}")
set(launcher_manifest_file "${launcher_rc_dir}/launcher.manifest")
file(CONFIGURE OUTPUT "${launcher_manifest_file}" CONTENT "${launcher_manifest}" @ONLY)

add_library(launcher_resources OBJECT "${CMAKE_CURRENT_LIST_DIR}/launcher.rc")
target_include_directories(launcher_resources PRIVATE "${launcher_rc_dir}")
# The resource compiler reports no dependencies of its own, so they are listed here.
set_source_files_properties("${CMAKE_CURRENT_LIST_DIR}/launcher.rc" PROPERTIES
  OBJECT_DEPENDS "${launcher_icon_script};${launcher_version_block};${launcher_manifest_file}")
