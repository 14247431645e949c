# The regression game: the runner's output for a fixed mission, seed and
# action file must match the stored file to the byte. When a change to the
# model is meant to change it, tools/regen-regression.sh writes it anew.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  if(TARGET rulecraft-sim)
    add_test(NAME regression_game
      COMMAND ${CMAKE_COMMAND} -DSIM=$<TARGET_FILE:rulecraft-sim> -DSOURCE=${PROJECT_SOURCE_DIR}
              -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(regression_game PROPERTIES TIMEOUT 300)
  endif()
  return()
endif()

file(READ ${SOURCE}/tests/regression/velmora.args args)
string(STRIP "${args}" args)
separate_arguments(args UNIX_COMMAND "${args}")
execute_process(COMMAND ${SIM} ${args} WORKING_DIRECTORY ${SOURCE}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "runner failed (${rc}): ${err}")
endif()
file(READ ${SOURCE}/tests/regression/velmora.expected expected)
set(actual "${out}--- stderr\n${err}")
if(NOT actual STREQUAL expected)
  string(REPLACE "\n" ";" actual_lines "${actual}")
  string(REPLACE "\n" ";" expected_lines "${expected}")
  set(i 0)
  foreach(line IN LISTS expected_lines)
    list(LENGTH actual_lines n)
    if(i LESS n)
      list(GET actual_lines ${i} got)
    else()
      set(got "<missing>")
    endif()
    if(NOT got STREQUAL line)
      math(EXPR shown "${i} + 1")
      message(FATAL_ERROR "the regression game differs from tests/regression/velmora.expected at line ${shown}:\n"
                          "expected: ${line}\n     got: ${got}\n"
                          "If the change is meant, run tools/regen-regression.sh and review the diff.")
    endif()
    math(EXPR i "${i} + 1")
  endforeach()
  message(FATAL_ERROR "the regression game has more output than tests/regression/velmora.expected; "
                      "if the change is meant, run tools/regen-regression.sh and review the diff.")
endif()
