# Shared by the runner's program tests (script mode): runs SIM in WORK and
# hands back its stdout, stderr and exit status.
function(run_sim out err rc)
  execute_process(COMMAND ${SIM} ${ARGN} OUTPUT_VARIABLE o ERROR_VARIABLE e RESULT_VARIABLE r
                  WORKING_DIRECTORY ${WORK})
  set(${out} "${o}" PARENT_SCOPE)
  set(${err} "${e}" PARENT_SCOPE)
  set(${rc} "${r}" PARENT_SCOPE)
endfunction()
