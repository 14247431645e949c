# The game's autoplay verbs that write files, on SDL's offscreen driver and,
# when there is one, under Xvfb.
if(RULECRAFT_ENGINE AND TARGET rulecraft)
  add_test(NAME program.autoplay_verbs_offscreen
    COMMAND ${PROJECT_SOURCE_DIR}/tests/programs/autoplay-verbs.sh $<TARGET_FILE:rulecraft>
            ${PROJECT_BINARY_DIR}/program-tests/autoplay-offscreen
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(program.autoplay_verbs_offscreen PROPERTIES TIMEOUT 300
    ENVIRONMENT "SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=0")
  find_program(XVFB_RUN_PROGRAM xvfb-run)
  if(XVFB_RUN_PROGRAM)
    add_test(NAME program.autoplay_verbs_xvfb
      COMMAND ${XVFB_RUN_PROGRAM} -a -s "-screen 0 1280x1024x24"
              ${PROJECT_SOURCE_DIR}/tests/programs/autoplay-verbs.sh $<TARGET_FILE:rulecraft>
              ${PROJECT_BINARY_DIR}/program-tests/autoplay-xvfb
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    set_tests_properties(program.autoplay_verbs_xvfb PROPERTIES TIMEOUT 300
      ENVIRONMENT "SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=0")
  endif()
endif()
