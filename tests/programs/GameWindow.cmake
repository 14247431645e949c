# Starts the real game in a virtual X display, lets an autoplay script visit a
# screen and click Quit, and expects a clean exit.
find_program(XVFB_RUN_PROGRAM xvfb-run)
if(RULECRAFT_ENGINE AND XVFB_RUN_PROGRAM AND TARGET rulecraft)
  set(GAME_WINDOW_DOCUMENTS ${PROJECT_BINARY_DIR}/program-tests/documents)
  file(MAKE_DIRECTORY ${GAME_WINDOW_DOCUMENTS})
  add_test(NAME program.game_window_quits_from_menu
    COMMAND ${XVFB_RUN_PROGRAM} -a -s "-screen 0 1280x1024x24"
            $<TARGET_FILE:rulecraft> --autoplay ${PROJECT_SOURCE_DIR}/tests/programs/quit-from-menu.autoplay
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  # The player's files go to a folder of the build, not the tester's documents.
  # Leak checking is left to the in-process tests: the X11 and GL libraries that
  # SDL loads and unloads at run time leave blocks no report can name.
  set_tests_properties(program.game_window_quits_from_menu PROPERTIES
    TIMEOUT 180
    ENVIRONMENT "SDL_AUDIODRIVER=dummy;XDG_DOCUMENTS_DIR=${GAME_WINDOW_DOCUMENTS};ASAN_OPTIONS=detect_leaks=0")
  # The main screen's windows, opened from its icons and buttons by name.
  add_test(NAME program.game_window_main_screen_windows
    COMMAND ${XVFB_RUN_PROGRAM} -a -s "-screen 0 1280x1024x24"
            $<TARGET_FILE:rulecraft> --autoplay ${PROJECT_SOURCE_DIR}/tests/programs/main-screen-windows.autoplay
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(program.game_window_main_screen_windows PROPERTIES
    TIMEOUT 180
    ENVIRONMENT "SDL_AUDIODRIVER=dummy;XDG_DOCUMENTS_DIR=${GAME_WINDOW_DOCUMENTS};ASAN_OPTIONS=detect_leaks=0")
endif()
