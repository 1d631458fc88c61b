# The Windows build's tests, under Wine: the Qt Test suites above through CTest's emulator
# (tests/wine_run.sh), and these, which use the Windows program as a player would.
set(wine ${CMAKE_CROSSCOMPILING_EMULATOR})
# Its shell against Debian's, when scripts/windows names the Debian program.
if(HARMTALLY_DEBIAN_PROGRAM)
    add_test(NAME windows_shell COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_shell.sh
        ${HARMTALLY_DEBIAN_PROGRAM} $<TARGET_FILE:harmtally_console> ${wine})
    set_tests_properties(windows_shell PROPERTIES TIMEOUT 600)
endif()
# The setup that cpack made: installed, used and uninstalled silently.
add_test(NAME windows_setup COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_setup.sh
    ${CMAKE_BINARY_DIR}/harmtally-${PROJECT_VERSION}-win64-setup.exe ${wine})
set_tests_properties(windows_setup PROPERTIES TIMEOUT 300)
# The window on a real X server, walked with the keyboard and the mouse.
add_test(NAME windows_real_window COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows_real_window.sh
    $<TARGET_FILE:harmtally> ${PROJECT_SOURCE_DIR} ${wine})
set_tests_properties(windows_real_window PROPERTIES TIMEOUT 300)
# Each Wine prefix is one wineserver's: the tests that start programs of their own take turns.
set_tests_properties(windows_shell windows_setup windows_real_window PROPERTIES RUN_SERIAL ON)
