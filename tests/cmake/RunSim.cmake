# Shared by the runner's program tests (script mode): runs SIM in WORK and
# hands back its stdout, stderr and exit status.
function(run_sim out err rc)
  execute_process(COMMAND ${SIM} ${ARGN} OUTPUT_VARIABLE o ERROR_VARIABLE e RESULT_VARIABLE r
                  WORKING_DIRECTORY ${WORK})
  set(${out} "${o}" PARENT_SCOPE)
  set(${err} "${e}" PARENT_SCOPE)
  set(${rc} "${r}" PARENT_SCOPE)
endfunction()

# A copy of the shipped data that a test may break: everything the runner reads.
function(copy_game_data game)
  file(MAKE_DIRECTORY ${game}/data)
  foreach(item simulation missions data.ini options.txt strings.ini manifesto.csv)
    if(EXISTS ${SOURCE}/data/${item})
      file(COPY ${SOURCE}/data/${item} DESTINATION ${game}/data)
    endif()
  endforeach()
endfunction()
