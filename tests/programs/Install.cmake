# Installs the build into a scratch prefix and plays a few turns with the
# installed runner, which must read the installed data: the test adds a
# mission there that the source tree does not have. Included by
# tests/CMakeLists.txt it adds the test; run with -P it checks.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  if(TARGET rulecraft-sim)
    add_test(NAME program.install_to_a_prefix_and_play
      COMMAND ${CMAKE_COMMAND} -DBUILD=${PROJECT_BINARY_DIR} -DWORK=${CMAKE_CURRENT_BINARY_DIR}/install_work
              -DGAME=$<TARGET_NAME_IF_EXISTS:rulecraft> -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(program.install_to_a_prefix_and_play PROPERTIES TIMEOUT 300
      ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
  endif()
  return()
endif()

set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/elsewhere)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed (${rc}): ${out}${err}")
endif()

set(expected bin/rulecraft-sim share/rulecraft/data/data.ini share/rulecraft/data/missions/velmora.txt)
if(GAME)
  list(APPEND expected bin/rulecraft share/applications/rulecraft.desktop
       share/icons/hicolor/256x256/apps/rulecraft.png)
endif()
foreach(file ${expected})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${prefix}/${file}")
  endif()
endforeach()
if(GAME)
  file(READ ${prefix}/share/applications/rulecraft.desktop entry)
  if(NOT entry MATCHES "\nExec=${prefix}/bin/rulecraft\n" OR NOT entry MATCHES "\nIcon=rulecraft\n")
    message(FATAL_ERROR "the desktop entry does not start the installed game:\n${entry}")
  endif()
endif()

# A mission only the installed data has; the runner starts in a folder with no data.
file(COPY_FILE ${prefix}/share/rulecraft/data/missions/velmora.txt
     ${prefix}/share/rulecraft/data/missions/installcheck.txt)
execute_process(COMMAND ${prefix}/bin/rulecraft-sim --mission installcheck --turns 4 --seed 2
  WORKING_DIRECTORY ${WORK}/elsewhere
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 240)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed runner failed (${rc}): ${out}${err}")
endif()
string(REGEX MATCHALL "\n[0-9]+," turns "${out}")
list(LENGTH turns count)
if(count LESS 4)
  message(FATAL_ERROR "expected four turns from the installed runner:\n${out}")
endif()
