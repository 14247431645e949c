# Saving, loading and deleting through the screens on SDL's offscreen driver
# with a scratch home, then reading the save files the runs left. This one
# file does both jobs: included by tests/CMakeLists.txt it adds the tests;
# run with -P it plays and checks.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  if(RULECRAFT_ENGINE AND TARGET rulecraft)
    foreach(mode save_load delete)
      add_test(NAME program.${mode}_through_the_screens
        COMMAND ${CMAKE_COMMAND} -DGAME=$<TARGET_FILE:rulecraft> -DSOURCE=${PROJECT_SOURCE_DIR} -DMODE=${mode}
                -DWORK=${CMAKE_CURRENT_BINARY_DIR}/${mode}_screens_work -P ${CMAKE_CURRENT_LIST_FILE})
      set_tests_properties(program.${mode}_through_the_screens PROPERTIES TIMEOUT 400
        ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
    endforeach()
  endif()
  return()
endif()

set(saves ${WORK}/home/Documents/rulecraft2/savegames)

function(play script)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env HOME=${WORK}/home XDG_DOCUMENTS_DIR=${WORK}/home/Documents
            SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
            ${GAME} --autoplay ${SOURCE}/tests/programs/${script} --screenshot-dir ${WORK}
    WORKING_DIRECTORY ${SOURCE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 300)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${script}: the game ended with ${rc}: ${out}${err}")
  endif()
endfunction()

# The value of a one-line element of a save, e.g. <turn>5</turn>; the first one.
function(saved_value file element out)
  if(NOT EXISTS ${saves}/${file}.xml)
    message(FATAL_ERROR "no save ${file}.xml")
  endif()
  file(STRINGS ${saves}/${file}.xml lines REGEX "^<${element}>.*</${element}>$" LIMIT_COUNT 1)
  string(REGEX REPLACE "^<${element}>(.*)</${element}>$" "\\1" value "${lines}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# Two saves of one game: everything but the date they were written agrees.
function(same_game a b)
  foreach(name ${a} ${b})
    file(READ ${saves}/${name}.xml text)
    string(REGEX REPLACE "<date>[^<]*</date>" "" text "${text}")
    set(text_${name} "${text}")
  endforeach()
  if(NOT text_${a} STREQUAL text_${b})
    message(FATAL_ERROR "the game loaded from ${a} saves as ${b} with other values")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/home/Documents)

if(MODE STREQUAL "save_load")
  play(save-load.autoplay)
  saved_value(Quicksave turn before)
  saved_value(Quicksave1 turn after)
  math(EXPR expected "${before} + 1")
  if(NOT after EQUAL expected)
    message(FATAL_ERROR "the turn played between the saves: expected turn ${expected}, found ${after}")
  endif()
  # The loaded game is the one saved, not the one played on.
  same_game(Quicksave Quicksave2)
  # And with no game running, straight from the menu.
  play(load-from-menu.autoplay)
  same_game(Quicksave Quicksave3)
else()
  file(MAKE_DIRECTORY ${saves})
  file(WRITE ${saves}/broken.xml "<xml>\n<header>\n")
  play(delete-save.autoplay)
  file(READ ${WORK}/refused.txt windows)
  if(NOT windows MATCHES "LoadFailedDialog")
    message(FATAL_ERROR "no refusal shown:\n${windows}")
  endif()
  if(EXISTS ${saves}/Quicksave.xml)
    message(FATAL_ERROR "the deleted save is still there")
  endif()
  if(NOT EXISTS ${saves}/broken.xml)
    message(FATAL_ERROR "the refused save went missing")
  endif()
endif()
