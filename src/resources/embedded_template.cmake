# Template blocks made at build time and linked into programs as constant data.
#
#   launcher_pack_template(<output.bin> <description.json> [DEPENDS <file>...])
#       Packs a description; DEPENDS lists the files it names (pictures, icon, ...), so a change
#       to any of them packs again.
#   launcher_embedded_template(<target> <description.json> [DEPENDS <file>...])
#   launcher_embedded_template(<target> BLOCK <file.bin>)
#       A static library <target> providing launcher::EmbeddedTemplate()
#       (resources/embedded_template.h) over the block.
#
# Both run the host's template_tool through the target launcher::template_tool, which the
# including CMakeLists.txt defines before use.
include_guard(GLOBAL)

function(launcher_pack_template output description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "DEPENDS")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "launcher_pack_template: unexpected arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  cmake_path(ABSOLUTE_PATH description OUTPUT_VARIABLE description)
  cmake_path(GET output FILENAME name)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND launcher::template_tool pack "${description}" --out "${output}"
    DEPENDS launcher::template_tool "${description}" ${arg_DEPENDS}
    COMMENT "Packing window template ${name}"
    VERBATIM)
endfunction()

function(launcher_embedded_template target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "BLOCK" "DEPENDS")
  if(arg_BLOCK)
    if(arg_UNPARSED_ARGUMENTS OR arg_DEPENDS)
      message(FATAL_ERROR "launcher_embedded_template(${target} BLOCK <file>) takes nothing else")
    endif()
    set(block "${arg_BLOCK}")
  else()
    list(LENGTH arg_UNPARSED_ARGUMENTS count)
    if(NOT count EQUAL 1)
      message(FATAL_ERROR "launcher_embedded_template(${target} ...) needs one description or BLOCK <file>")
    endif()
    set(block "${CMAKE_CURRENT_BINARY_DIR}/${target}.bin")
    launcher_pack_template("${block}" "${arg_UNPARSED_ARGUMENTS}" DEPENDS ${arg_DEPENDS})
  endif()

  set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp")
  add_custom_command(
    OUTPUT "${source}"
    COMMAND launcher::template_tool embed "${block}" --out "${source}"
    DEPENDS launcher::template_tool "${block}"
    COMMENT "Embedding window template for ${target}"
    VERBATIM)
  add_library(${target} STATIC "${source}")
  target_link_libraries(${target} PUBLIC launcher_core)
endfunction()
