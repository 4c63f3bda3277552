# Tests of the Windows program, run through CMAKE_CROSSCOMPILING_EMULATOR
# (Wine). Windows opens the log and the page in text mode: CR LF in the log
# reads as LF, a byte 0x1A ends the log, and every LF written, in the page and
# on the console, becomes CR LF.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(STATUS "No tests: set CMAKE_CROSSCOMPILING_EMULATOR to run Windows programs")
  return()
endif()
set(emulator ${CMAKE_CROSSCOMPILING_EMULATOR})
set(program $<TARGET_FILE:VardmoorHtml>)
set(windows_tests)

# Golden pages. Each golden/NAME.log gives its page golden/NAME.html with CR
# LF line ends, unless golden_windows/NAME.html holds a page of its own (the
# log holds CR LF or 0x1A). golden_windows/NAME.log are logs that show how
# Windows reads them, each with its page golden_windows/NAME.html.
file(GLOB golden_logs CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/golden/*.log
  ${CMAKE_CURRENT_SOURCE_DIR}/golden_windows/*.log)
foreach(log ${golden_logs})
  get_filename_component(name ${log} NAME_WE)
  set(expected ${CMAKE_CURRENT_SOURCE_DIR}/golden_windows/${name}.html)
  set(crlf OFF)
  if(NOT EXISTS ${expected})
    set(expected ${CMAKE_CURRENT_SOURCE_DIR}/golden/${name}.html)
    set(crlf ON)
  endif()
  add_test(NAME golden.${name}
    COMMAND ${CMAKE_COMMAND}
      "-DEMULATOR=${emulator}"
      -DPROGRAM=${program}
      -DLOG=${log}
      -DEXPECTED=${expected}
      -DCRLF=${crlf}
      -DPAGE=${CMAKE_CURRENT_BINARY_DIR}/golden_${name}.html
      -P ${CMAKE_CURRENT_SOURCE_DIR}/run_golden.cmake)
  list(APPEND windows_tests golden.${name})
endforeach()

# The command line, where Windows has the same notion as Linux, and the
# Windows spellings of paths and line ends. Permissions, devices and symbolic
# links are left to the Linux tests.
set(cli_cases
  usage_no_arguments usage_one_argument extra_arguments_ignored
  missing_log log_is_directory page_in_missing_folder page_is_directory
  same_path same_path_other_spelling same_path_windows_spelling
  page_hardlink_to_log windows_missing_folder
  line_limit_boundary crlf_across_reads existing_page_truncated)
foreach(case ${cli_cases})
  add_test(NAME cli.${case}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/cli_test.sh ${case}
      ${emulator} ${program})
  list(APPEND windows_tests cli.${case})
endforeach()

set(environment CLI_WINDOWS=1)

# Wine: one server and one prefix in the build tree for all the tests.
list(GET emulator 0 wine)
get_filename_component(wine_name ${wine} NAME)
if(wine_name MATCHES "^wine")
  get_filename_component(wine_dir ${wine} DIRECTORY)
  find_program(VARDMOOR_WINESERVER NAMES wineserver wineserver64
    HINTS ${wine_dir} PATHS /usr/lib/wine)
  if(NOT VARDMOOR_WINESERVER)
    message(FATAL_ERROR "wineserver not found beside ${wine}")
  endif()
  list(APPEND environment
    WINEPREFIX=${CMAKE_CURRENT_BINARY_DIR}/wineprefix WINEDEBUG=-all)
  add_test(NAME wine.start COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/wine_session.sh
    start ${VARDMOOR_WINESERVER} ${wine})
  add_test(NAME wine.stop COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/wine_session.sh
    stop ${VARDMOOR_WINESERVER})
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine
    ENVIRONMENT "${environment}" TIMEOUT 300)
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine
    ENVIRONMENT "${environment}")
  set_tests_properties(${windows_tests} PROPERTIES FIXTURES_REQUIRED wine)
endif()

set_tests_properties(${windows_tests} PROPERTIES ENVIRONMENT "${environment}")
