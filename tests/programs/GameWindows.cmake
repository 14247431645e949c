# Every window of the main screen opens by its key and closes again, on SDL's
# offscreen driver, with no assertion in the debug log.
if(RULECRAFT_ENGINE AND TARGET rulecraft)
  add_test(NAME program.game_windows_open_and_close
    COMMAND ${CMAKE_COMMAND} -DGAME=$<TARGET_FILE:rulecraft> -DSOURCE=${PROJECT_SOURCE_DIR}
            -DWORK=${PROJECT_BINARY_DIR}/program-tests/game-windows
            -DSCRIPT=${PROJECT_SOURCE_DIR}/tests/programs/windows-from-main-screen.autoplay
            -P ${PROJECT_SOURCE_DIR}/tests/cmake/RunGameWindows.cmake)
  set_tests_properties(program.game_windows_open_and_close PROPERTIES TIMEOUT 300
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endif()
