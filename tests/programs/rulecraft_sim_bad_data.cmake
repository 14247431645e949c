# Bad data, run through the headless runner: a mod effect that gives no number,
# and a broken policy record. Included by tests/CMakeLists.txt it adds the
# test; run with -P it checks.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  if(TARGET rulecraft-sim)
    add_test(NAME rulecraft_sim_survives_bad_data
      COMMAND ${CMAKE_COMMAND} -DSIM=$<TARGET_FILE:rulecraft-sim> -DSOURCE=${PROJECT_SOURCE_DIR}
              -DWORK=${CMAKE_CURRENT_BINARY_DIR}/rulecraft_sim_bad_data_work -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(rulecraft_sim_survives_bad_data PROPERTIES TIMEOUT 300)
  endif()
  return()
endif()

# Script mode: SIM (the runner), SOURCE (the source tree), WORK (a scratch folder).
cmake_policy(SET CMP0007 NEW)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

include(${SOURCE}/tests/cmake/RunSim.cmake)

# 1. A mod policy in the player's folder, in force from the start, whose effect
# on GDP is 0 * (x / 0): not a number. It must count as nothing, every figure
# stays a number for a whole game, and the log names the effect once (and
# holds nothing else that is wrong with the data).
set(mods ${WORK}/user/rulecraft2/mods/data/simulation/policies)
file(MAKE_DIRECTORY ${mods})
file(WRITE ${mods}/divide.txt
  "#,DivideByZero,Divide By Zero,Default,d,UNCANCELLABLE,0,TAX,0,0,,1,0,0,,#Effects,\"GDP,0*(x/0)\"\n")
run_sim(out err rc --turns 40 --seed 1 --user user --log nan.log --watch GDP,Crime,Unemployment)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "runner failed (${rc}): ${err}")
endif()
string(REPLACE "\n" ";" lines "${out}")
list(POP_FRONT lines header)
set(number "-?[0-9]+(\\.[0-9]+)?")
set(count 0)
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^${number}(,${number})*$")
    message(FATAL_ERROR "a figure is not a number: ${line}")
  endif()
  math(EXPR count "${count} + 1")
endforeach()
if(NOT count EQUAL 41)
  message(FATAL_ERROR "expected 41 lines (a whole game with seed 1), got ${count}: ${err}")
endif()
file(READ ${WORK}/nan.log log)
# Apart from that, the shipped data plays a whole game (2000 voters) with a clean log.
if(log MATCHES "Assertion failure|ailed to find")
  message(FATAL_ERROR "the game logged a broken rule or a missing name:\n${log}")
endif()
string(REGEX MATCHALL "DivideByZero on GDP[^\n]*0\\*\\(x/0\\)" reports "${log}")
list(LENGTH reports reported)
if(NOT reported EQUAL 1)
  message(FATAL_ERROR "the effect was reported ${reported} times, not once:\n${log}")
endif()

# 2. A broken policy record in a copy of the data: the error names the file,
# the line and the record first, then the fixed message.
copy_game_data(${WORK}/game)
set(table ${WORK}/game/data/simulation/policies.csv)
file(READ ${table} policies)
string(FIND "${policies}" "\n#,DefenceSpending," at)
if(at EQUAL -1)
  message(FATAL_ERROR "no DefenceSpending record to break")
endif()
string(SUBSTRING "${policies}" 0 ${at} before)
string(REGEX MATCHALL "\n" breaks "${before}")
list(LENGTH breaks line)
math(EXPR line "${line} + 2")
string(REGEX REPLACE "(\n#,DefenceSpending,[^\n]*),#Effects," "\\1,#Effekts," policies "${policies}")
file(WRITE ${table} "${policies}")
run_sim(out err rc --game ${WORK}/game --turns 1 --seed 1)
if(NOT rc EQUAL 3 OR NOT err MATCHES
   "^data/simulation/policies\\.csv:${line}: #,DefenceSpending,[^\n]*#Effekts[^\n]*\nERROR: Policy data corrupted:SIM_Policy [0-9]+\n$")
  message(FATAL_ERROR "broken policy gave exit ${rc}, expected it named with line ${line}:\n${err}")
endif()

file(REMOVE_RECURSE ${WORK})
message(STATUS "bad data checks passed")
