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
# Each Wine prefix is one wineserver's: the tests that start programs of their own take turns.
set_tests_properties(windows_setup PROPERTIES RUN_SERIAL ON)
if(HARMTALLY_DEBIAN_PROGRAM)
    set_tests_properties(windows_shell PROPERTIES RUN_SERIAL ON)
endif()
# tests/windows_real_window.sh walks the window on a real X server; it is not one of the suite
# yet: the result boxes are disabled, so the clipboard cannot read them back.
