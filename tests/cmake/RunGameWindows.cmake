# Runs the game on SDL's offscreen driver in a scratch folder (its own HOME,
# its own debug log, the shipped data linked in) with an autoplay script,
# then fails when the game failed or its debug log holds an assertion.
#   cmake -DGAME=... -DSOURCE=... -DWORK=... -DSCRIPT=... [-DSECONDS=...] [-DSEED=...] -P RunGameWindows.cmake
if(NOT SECONDS)
  set(SECONDS 240)
endif()
set(seed_args "")
if(DEFINED SEED)
  set(seed_args --seed ${SEED})
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/home/Documents ${WORK}/debugdata)
file(CREATE_LINK ${SOURCE}/data ${WORK}/data SYMBOLIC)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK}/home --unset=XDG_DOCUMENTS_DIR
          SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
          ${GAME} --autoplay ${SCRIPT} ${seed_args}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  TIMEOUT ${SECONDS})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the game ended with ${rc}\n${out}\n${err}")
endif()
if(NOT EXISTS ${WORK}/debugdata/debug.txt)
  message(FATAL_ERROR "the game wrote no debug log")
endif()
file(STRINGS ${WORK}/debugdata/debug.txt assertions REGEX "Assertion failure")
if(assertions)
  string(REPLACE ";" "\n" assertions "${assertions}")
  message(FATAL_ERROR "the debug log holds assertions:\n${assertions}")
endif()
