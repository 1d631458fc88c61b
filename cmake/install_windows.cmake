# The Windows program as players get it: one folder with the program, the Qt and C++ runtime
# DLLs beside it, the plugins in the folders Qt looks for beside a program, and every licence;
# shipped as a zip to unpack anywhere and as a setup program (CPack NSIS). No qt.conf is needed:
# Qt looks for plugins in the program's folder first.
install(TARGETS harmtally harmtally_console harmtally_windows_library
    RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)
# The C++ runtime that MinGW's programs and Qt's DLLs link.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${runtime} is")
    endif()
    install(FILES ${path} DESTINATION .)
endforeach()

# Qt's and the C++ runtime's DLLs come with their symbol tables, and libstdc++ with its debug
# information (22 of its 24 MB): a player needs neither.
install(CODE "
    file(GLOB_RECURSE libraries \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${libraries} COMMAND_ERROR_IS_FATAL ANY)
")

# Licences: the program's terms and its fonts' (packaging/copyright), the fonts' OFL, and Qt's
# LGPL with where the Qt built into the package came from (written by scripts/qt-windows).
set(licence_folder licences)
install(FILES ${PROJECT_SOURCE_DIR}/resources/fonts/LICENSE-Berenika.txt
    ${PROJECT_SOURCE_DIR}/resources/fonts/LICENSE-LiberationSans.txt
    DESTINATION ${licence_folder})
foreach(qt_file LICENSE.LGPL3.txt SOURCE.txt)
    if(NOT EXISTS ${QT6_INSTALL_PREFIX}/${qt_file})
        message(FATAL_ERROR "${QT6_INSTALL_PREFIX} has no ${qt_file}: build Qt with scripts/qt-windows")
    endif()
    install(FILES ${QT6_INSTALL_PREFIX}/${qt_file} DESTINATION ${licence_folder} RENAME Qt-${qt_file})
endforeach()
# What the setup shows before installing: the program's terms, then what comes with it.
file(READ ${PROJECT_SOURCE_DIR}/packaging/copyright harmtally_terms)
file(WRITE ${CMAKE_BINARY_DIR}/LICENSE.txt "${harmtally_terms}
Qt ${Qt6_VERSION} (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and the plugins) is used under the
GNU Lesser General Public License version 3, in ${licence_folder}\\Qt-LICENSE.LGPL3.txt; where
its source came from is in ${licence_folder}\\Qt-SOURCE.txt. The C++ runtime DLLs come from
GCC (GPL version 3 with the GCC Runtime Library Exception) and MinGW-w64.
")
install(FILES ${CMAKE_BINARY_DIR}/LICENSE.txt DESTINATION ${licence_folder})

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME harmtally)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Harmtally team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Damage calculator for melee weapons and bows")
set(CPACK_PACKAGE_HOMEPAGE_URL https://harmtally.example.org)
set(CPACK_PACKAGE_FILE_NAME harmtally-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt)
# The setup's own name says what it is; the zip keeps the plain one.
file(WRITE ${CMAKE_BINARY_DIR}/cpack_per_generator.cmake
    "if(CPACK_GENERATOR STREQUAL NSIS)\n"
    "    set(CPACK_PACKAGE_FILE_NAME harmtally-${PROJECT_VERSION}-win64-setup)\n"
    "endif()\n")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/cpack_per_generator.cmake)

# A 64-bit setup for a 64-bit program (and Wine's 64-bit loader), and a Unicode one: shortcut
# names carry an em dash, which a setup in the Windows code page could lose.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME Harmtally)
set(CPACK_NSIS_DISPLAY_NAME Harmtally)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Harmtally)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Harmtally)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/app/harmtally.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/app/harmtally.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME harmtally.exe)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# Offers to put harmtally on the PATH, for typing it in cmd or PowerShell from any folder.
set(CPACK_NSIS_MODIFY_PATH ON)
set(CPACK_NSIS_URL_INFO_ABOUT https://harmtally.example.org)
# The Start menu's two entries: the program, and the program with the ranking open at start.
set(rank_entry "Harmtally — Rank weapons")
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\Harmtally.lnk\" \"$INSTDIR\\harmtally.exe\"
  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\${rank_entry}.lnk\" \"$INSTDIR\\harmtally.exe\" \"--rank-window\"")
set(CPACK_NSIS_DELETE_ICONS_EXTRA
    "  Delete \"$SMPROGRAMS\\$MUI_TEMP\\Harmtally.lnk\"
  Delete \"$SMPROGRAMS\\$MUI_TEMP\\${rank_entry}.lnk\"")

include(CPack)
