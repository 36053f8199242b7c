# The command line end to end on the launcher's description: pack, dump, pack again, byte for byte;
# and a cut block is refused with a non-zero exit.
# -DTOOL=<template_tool> -DDESCRIPTION=<launcher_template.json> -DWORK_DIR=<scratch folder>

function(run_tool expect_success)
  execute_process(COMMAND "${TOOL}" ${ARGN} RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(expect_success AND NOT result EQUAL 0)
    message(FATAL_ERROR "template_tool ${ARGN} failed (${result}): ${errors}")
  elseif(NOT expect_success AND result EQUAL 0)
    message(FATAL_ERROR "template_tool ${ARGN} succeeded but should have failed")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
run_tool(TRUE pack "${DESCRIPTION}" --out "${WORK_DIR}/first.bin")
run_tool(TRUE dump "${WORK_DIR}/first.bin" --out "${WORK_DIR}/dump")
run_tool(TRUE pack "${WORK_DIR}/dump/template.json" --out "${WORK_DIR}/second.bin")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK_DIR}/first.bin" "${WORK_DIR}/second.bin"
                RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "pack of the dump differs from the first pack")
endif()

run_tool(TRUE damage "${WORK_DIR}/first.bin" --truncate 50% --out "${WORK_DIR}/cut.bin")
run_tool(FALSE dump "${WORK_DIR}/cut.bin" --out "${WORK_DIR}/cut-dump")
run_tool(FALSE pack "${WORK_DIR}/missing.json" --out "${WORK_DIR}/never.bin")
if(EXISTS "${WORK_DIR}/never.bin")
  message(FATAL_ERROR "a failed pack left an output behind")
endif()
message(STATUS "pack, dump and pack again gave the same block")
