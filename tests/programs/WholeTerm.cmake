# A whole term played through the window by named buttons, on SDL's offscreen
# driver, with no assertion in the debug log. A fixed seed makes every run meet
# the same dilemmas and the same count. The sanitizer build is slower.
if(RULECRAFT_ENGINE AND TARGET rulecraft)
  add_test(NAME program.whole_term_by_named_buttons
    COMMAND ${CMAKE_COMMAND} -DGAME=$<TARGET_FILE:rulecraft> -DSOURCE=${PROJECT_SOURCE_DIR}
            -DWORK=${PROJECT_BINARY_DIR}/program-tests/whole-term
            -DSCRIPT=${PROJECT_SOURCE_DIR}/tests/programs/whole-term.autoplay -DSECONDS=600 -DSEED=20261207
            -P ${PROJECT_SOURCE_DIR}/tests/cmake/RunGameWindows.cmake)
  set_tests_properties(program.whole_term_by_named_buttons PROPERTIES TIMEOUT 660 LABELS program
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endif()
