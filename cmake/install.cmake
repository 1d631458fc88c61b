# Installing like a desktop program: the executable, its menu entry, icons and AppStream data,
# and a Debian package of them through CPack. Only what is named here gets installed, so the
# tests and tools/draw_art stay out of the package.
include(GNUInstallDirs)

set(HARMTALLY_APP_ID org.example.Harmtally)
set(HARMTALLY_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# qt_standard_project_setup() adds an $ORIGIN/../lib RPATH for bundled Qt; the installed program
# uses the system's Qt, and a stray library beside the prefix must not shadow it.
set_target_properties(harmtally PROPERTIES INSTALL_RPATH "")
install(TARGETS harmtally RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Private to the program, which opens it by its place relative to itself (app/launch.cpp): in
# Debian's folder for one architecture's private libraries, which the dynamic linker never
# searches, so the package runs no ldconfig for it.
install(TARGETS harmtally_windows_library
    LIBRARY DESTINATION lib/${CMAKE_LIBRARY_ARCHITECTURE}/harmtally)
install(FILES ${HARMTALLY_PACKAGING_DIR}/${HARMTALLY_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${HARMTALLY_PACKAGING_DIR}/${HARMTALLY_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Compressed as Debian wants its documentation: gzip -9n (no name, no time stamp), so every
# build writes the same bytes.
function(harmtally_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${source} ${output}
        DEPENDS ${source} VERBATIM)
    get_filename_component(name ${output} NAME_WE)
    add_custom_target(harmtally_gzip_${name} ALL DEPENDS ${output})
endfunction()
# The manual page, and the package's terms (machine-readable) and changelog.
harmtally_gzip(${HARMTALLY_PACKAGING_DIR}/harmtally.1 ${CMAKE_BINARY_DIR}/harmtally.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/harmtally.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
harmtally_gzip(${HARMTALLY_PACKAGING_DIR}/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${HARMTALLY_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/harmtally)
# Where bash-completion looks for a command's completion when it is first completed.
install(FILES ${HARMTALLY_PACKAGING_DIR}/harmtally.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME harmtally)
# Icon themes look icons up by the application id, not by our resource file names.
foreach(size 16 32 48)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/images/icon-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${HARMTALLY_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME harmtally)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Harmtally team")
set(CPACK_PACKAGE_CONTACT "the Harmtally team <harmtally@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Damage calculator for melee weapons and bows")
# Kept in short lines: dpkg shows the long description as it is written.
set(CPACK_PACKAGE_DESCRIPTION [[
Harmtally works out the damage per hit and over a number of seconds of
the melee weapons and bows of an online role-playing game, from the
weapon catalogue and the player's boosted strength.
Italian and English interface.]])
set(CPACK_PACKAGE_HOMEPAGE_URL https://harmtally.example.org)
# A package carries no debug info; the build tree keeps it.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the Harmtally team <harmtally@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps reads the Qt and C++ runtime packages off the linked libraries, so Depends
# follows whatever Qt the build used instead of a hand-kept list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
