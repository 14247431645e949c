# A script whose expectation fails in the middle of a game ends the game with
# the failure's exit code, never a crash: while the new game is still being set
# up (its long work draws frames too) and once the main screen shows. Run on
# SDL's offscreen driver and, when there is one, under Xvfb. This one file does
# both jobs: included by tests/CMakeLists.txt it adds the tests; run with -P it
# plays them.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  if(RULECRAFT_ENGINE AND TARGET rulecraft)
    add_test(NAME program.failed_expectation_mid_game_offscreen
      COMMAND ${CMAKE_COMMAND} -DGAME=$<TARGET_FILE:rulecraft> -DSOURCE=${PROJECT_SOURCE_DIR}
              -DWORK=${CMAKE_CURRENT_BINARY_DIR}/failed_expectation_offscreen -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(program.failed_expectation_mid_game_offscreen PROPERTIES TIMEOUT 400
      ENVIRONMENT "SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy")
    find_program(XVFB_RUN_PROGRAM xvfb-run)
    if(XVFB_RUN_PROGRAM)
      add_test(NAME program.failed_expectation_mid_game_xvfb
        COMMAND ${CMAKE_COMMAND} -DGAME=$<TARGET_FILE:rulecraft> -DSOURCE=${PROJECT_SOURCE_DIR}
                -DWORK=${CMAKE_CURRENT_BINARY_DIR}/failed_expectation_xvfb
                -DXVFB=${XVFB_RUN_PROGRAM} -P ${CMAKE_CURRENT_LIST_FILE})
      # The X server's client libraries (dbus among them) keep memory to the
      # end, so the leak check is left to the offscreen run.
      set_tests_properties(program.failed_expectation_mid_game_xvfb PROPERTIES TIMEOUT 400
        ENVIRONMENT "SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=0")
    endif()
  endif()
  return()
endif()

set(launcher)
if(XVFB)
  set(launcher ${XVFB} -a -s "-screen 0 1280x1024x24")
endif()

# Frames after StartGame: the first lie inside the set-up, the last on the main screen.
foreach(frames 20 50 500)
  set(run ${WORK}/after-${frames})
  file(REMOVE_RECURSE ${run})
  file(MAKE_DIRECTORY ${run}/home/Documents)
  file(WRITE ${run}/fail.autoplay
    "timeout 6000\nwait 5\nclick NewGame\nwait 60\nclick Mission_velmora\nwait 60\n"
    "click StartGame\nwait ${frames}\nexpect-window NoSuchWindow\n")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env HOME=${run}/home XDG_DOCUMENTS_DIR=${run}/home/Documents
            ${launcher} ${GAME} --autoplay ${run}/fail.autoplay
    WORKING_DIRECTORY ${SOURCE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 180)
  # 5 is the script's "expectation failed"; a crash gives a signal or the sanitizer's code.
  if(NOT rc EQUAL 5)
    message(FATAL_ERROR "failing ${frames} frames after StartGame, the game ended with ${rc}:\n${out}${err}")
  endif()
  string(FIND "${err}" "NoSuchWindow" named)
  string(FIND "${err}" "Sanitizer" sanitizer)
  if(named EQUAL -1 OR NOT sanitizer EQUAL -1)
    message(FATAL_ERROR "failing ${frames} frames after StartGame:\n${err}")
  endif()
endforeach()
