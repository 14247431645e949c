# Plays the way into a game on SDL's offscreen driver with a scratch home,
# then reads the options file the game wrote at exit. This one file does both
# jobs: included by tests/CMakeLists.txt it adds the test; run with -P it checks.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  if(RULECRAFT_ENGINE AND TARGET rulecraft)
    add_test(NAME program.new_game_path_by_named_buttons
      COMMAND ${CMAKE_COMMAND} -DGAME=$<TARGET_FILE:rulecraft> -DSOURCE=${PROJECT_SOURCE_DIR}
              -DWORK=${CMAKE_CURRENT_BINARY_DIR}/new_game_path_work -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(program.new_game_path_by_named_buttons PROPERTIES TIMEOUT 300
      ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
  endif()
  return()
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/home/Documents)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK}/home XDG_DOCUMENTS_DIR=${WORK}/home/Documents
          SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
          ${GAME} --autoplay ${SOURCE}/tests/programs/new-game-path.autoplay
  WORKING_DIRECTORY ${SOURCE}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 240)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the game ended with ${rc}: ${out}${err}")
endif()

set(options ${WORK}/home/Documents/rulecraft2/options.txt)
if(NOT EXISTS ${options})
  message(FATAL_ERROR "no options file was written at ${options}")
endif()
file(READ ${options} text)
# Switched off on the options screen; the others keep the shipped values.
foreach(expected "ENABLEDILEMMAS = 0.00" "AUTOSAVE = 0.00" "ENABLEMANIFESTO = 1.00")
  string(FIND "${text}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "options file lacks \"${expected}\":\n${text}")
  endif()
endforeach()
