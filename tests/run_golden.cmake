# Converts LOG with PROGRAM into PAGE and compares PAGE with EXPECTED byte
# for byte. EMULATOR, if given, is the command that runs PROGRAM (Wine for a
# Windows program). With CRLF set, EXPECTED is a page with plain line feeds
# and PAGE must hold CR LF in place of each, as a Windows text-mode stream
# writes them; the log must then hold no CR and no 0x1A, which Windows reads
# differently.
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${LOG} ${PAGE}
  RESULT_VARIABLE status OUTPUT_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}, output: ${output}")
endif()
if(NOT output STREQUAL "")
  message(FATAL_ERROR "unexpected output: ${output}")
endif()
if(CRLF)
  file(READ ${LOG} log HEX)
  string(REGEX MATCHALL ".." log_bytes "${log}")
  list(FIND log_bytes 0d cr)
  list(FIND log_bytes 1a sub)
  if(NOT cr EQUAL -1 OR NOT sub EQUAL -1)
    message(FATAL_ERROR "${LOG} holds CR or 0x1A: it needs a Windows page of its own")
  endif()
  file(READ ${EXPECTED} expected HEX)
  string(REGEX MATCHALL ".." expected_bytes "${expected}")
  list(TRANSFORM expected_bytes REPLACE "^0a$" "0d0a")
  list(JOIN expected_bytes "" expected)
  file(READ ${PAGE} page HEX)
  if(NOT page STREQUAL expected)
    message(FATAL_ERROR "${PAGE} differs from ${EXPECTED} with CR LF line ends")
  endif()
  return()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${PAGE} ${EXPECTED}
  RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${PAGE} differs from ${EXPECTED}")
endif()
