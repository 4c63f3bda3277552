# Converts LOG with PROGRAM into PAGE and compares PAGE with EXPECTED byte
# for byte.
execute_process(COMMAND ${PROGRAM} ${LOG} ${PAGE}
  RESULT_VARIABLE status OUTPUT_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}, output: ${output}")
endif()
if(NOT output STREQUAL "")
  message(FATAL_ERROR "unexpected output: ${output}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${PAGE} ${EXPECTED}
  RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${PAGE} differs from ${EXPECTED}")
endif()
