# Writes a description of the launcher's template whose window Icon holds no icon, for the test
# that the window then shows the program's own icon: the block is dumped to a description, and
# every window's Icon is pointed at a file of plain text.
#
#   cmake -DTOOL=<template_tool> -DBLOCK=<template.bin> -DOUT=<folder>/<name>.json -P template_without_icon.cmake

cmake_path(GET OUT PARENT_PATH folder)
file(REMOVE_RECURSE "${folder}")
execute_process(COMMAND "${TOOL}" dump "${BLOCK}" --out "${folder}" COMMAND_ERROR_IS_FATAL ANY)

file(WRITE "${folder}/not_an_icon.ico" "This text stands where an icon file should be.\n")
file(READ "${folder}/template.json" description)
set(replaced 0)
string(JSON window_count LENGTH "${description}" windows)
set(w 0)
while(w LESS window_count)
  string(JSON unit_count LENGTH "${description}" windows ${w} units)
  set(u 0)
  while(u LESS unit_count)
    string(JSON icon ERROR_VARIABLE no_icon GET "${description}" windows ${w} units ${u} settings Icon)
    if(NOT no_icon)
      string(JSON description SET "${description}" windows ${w} units ${u} settings Icon "\"not_an_icon.ico\"")
      math(EXPR replaced "${replaced} + 1")
    endif()
    math(EXPR u "${u} + 1")
  endwhile()
  math(EXPR w "${w} + 1")
endwhile()
if(replaced EQUAL 0)
  message(FATAL_ERROR "${BLOCK} has no window with an Icon setting")
endif()
file(WRITE "${OUT}" "${description}")
