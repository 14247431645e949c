# Save games through the headless runner: a game saved at turn 10 and loaded
# plays on with the same rows as the game played straight through, and a save
# that is refused ends the runner with status 4 and the reason. Included by
# tests/CMakeLists.txt it adds the test; run with -P it checks.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  if(TARGET rulecraft-sim)
    add_test(NAME rulecraft_sim_save_and_load
      COMMAND ${CMAKE_COMMAND} -DSIM=$<TARGET_FILE:rulecraft-sim> -DSOURCE=${PROJECT_SOURCE_DIR}
              -DWORK=${CMAKE_CURRENT_BINARY_DIR}/rulecraft_sim_saves_work -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(rulecraft_sim_save_and_load PROPERTIES TIMEOUT 300)
  endif()
  return()
endif()

cmake_policy(SET CMP0007 NEW)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
include(${SOURCE}/tests/cmake/RunSim.cmake)

# The regression game's moves, saved before turn 11 is played (turn 10 is the
# last one done), with cynicism and a policy brought in after the save.
file(READ ${SOURCE}/tests/regression/velmora.actions moves)
file(WRITE ${WORK}/moves.actions "${moves}\n11 save mid\n12 introduce CarbonTax 0.5\n")
set(common --mission velmora --seed 3 --user user --actions moves.actions
    --watch GDP,Crime,Poverty,Wealthy,Poor,StreetCameras,IncomeTax,Cynicism)

run_sim(straight err rc ${common} --turns 30)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "straight game failed (${rc}): ${err}")
endif()
run_sim(loaded err rc ${common} --turns 20 --load mid)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "loading failed (${rc}): ${err}")
endif()

# Every loaded row is the straight game's row of the same turn.
string(REPLACE "\n" ";" straight_lines "${straight}")
string(REPLACE "\n" ";" loaded_lines "${loaded}")
list(POP_FRONT loaded_lines header)
list(FILTER loaded_lines EXCLUDE REGEX "^$")
list(LENGTH loaded_lines count)
if(NOT count EQUAL 21)
  message(FATAL_ERROR "expected the saved turn and 20 more, got ${count} rows:\n${loaded}")
endif()
list(GET loaded_lines 0 first)
if(NOT first MATCHES "^10,")
  message(FATAL_ERROR "the first row is not turn 10: ${first}")
endif()
foreach(row IN LISTS loaded_lines)
  string(REGEX MATCH "^[0-9]+," turn "${row}")
  set(match "")
  foreach(candidate IN LISTS straight_lines)
    if(candidate MATCHES "^${turn}")
      set(match "${candidate}")
    endif()
  endforeach()
  if(NOT row STREQUAL match)
    message(FATAL_ERROR "loaded game differs at turn ${turn}:\n loaded   ${row}\n straight ${match}")
  endif()
endforeach()

# Refused saves: the reason names the file and line, the status is 4.
file(GLOB saved ${WORK}/user/*/savegames/mid.xml)
file(READ ${saved} text)
get_filename_component(folder ${saved} DIRECTORY)
function(expect_refused name edited pattern)
  file(WRITE ${folder}/${name}.xml "${edited}")
  run_sim(out err rc ${common} --turns 2 --load ${name})
  if(NOT rc EQUAL 4)
    message(FATAL_ERROR "${name}: expected status 4, got ${rc}: ${err}")
  endif()
  if(NOT err MATCHES "${pattern}")
    message(FATAL_ERROR "${name}: the message does not say why: ${err}")
  endif()
endfunction()
string(REPLACE "<name>StreetCameras</name>" "<name>NoSuchPolicy</name>" edited "${text}")
expect_refused(unknown "${edited}" "${name}.xml:[0-9]+: no policy \"NoSuchPolicy\"")
string(REPLACE "<version>rulecraft-save 2</version>" "<version>rulecraft-save 7</version>" edited "${text}")
expect_refused(newer "${edited}" "newer version")
string(SUBSTRING "${text}" 0 5000 edited)
expect_refused(truncated "${edited}" "truncated.xml:[0-9]+: ")
