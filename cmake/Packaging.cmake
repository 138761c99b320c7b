# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Install layout and the Debian package.
include(GNUInstallDirs)

# The game opens its sounds beside its executable and its bank, fanfare and
# pictures by bare name in the working directory, so all of them share one
# private program folder, entered by the launcher. Debian keeps a program's
# private executables under PREFIX/lib/<package> (never /opt for packages);
# a plain "lib", not the multiarch one: the one library here is the game's
# own sound library, which only the game loads, from its plugins folder.
set(KLETOCHKA_INSTALL_APPDIR "lib/kletochka" CACHE STRING
    "Program folder, relative to the install prefix")

# Both programs link only the system's own libraries: no run path.
set_target_properties(kletochka kletochka_sound_plugin qbtool PROPERTIES INSTALL_RPATH "")
install(TARGETS kletochka RUNTIME DESTINATION ${KLETOCHKA_INSTALL_APPDIR})
# The game loads its sound library from its program folder.
install(TARGETS kletochka_sound_plugin
        LIBRARY DESTINATION ${KLETOCHKA_INSTALL_APPDIR}/${KLETOCHKA_PLUGIN_DIR})
install(FILES ${KLETOCHKA_RUNTIME_ASSETS} ${KLETOCHKA_DIST_DIR}/default.qb
        DESTINATION ${KLETOCHKA_INSTALL_APPDIR})

# The launcher finds the program folder relative to itself, so any prefix works.
file(RELATIVE_PATH KLETOCHKA_BIN_TO_APP "/p/${CMAKE_INSTALL_BINDIR}" "/p/${KLETOCHKA_INSTALL_APPDIR}")
configure_file(packaging/kletochka.in ${CMAKE_BINARY_DIR}/packaging/kletochka @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/kletochka DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES packaging/kletochka.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 32 48 64 128 256)
  set(icon ${PROJECT_SOURCE_DIR}/assets/mainicon-${size}.png)
  if(size EQUAL 32)
    set(icon ${PROJECT_SOURCE_DIR}/assets/mainicon.png)
  endif()
  install(FILES ${icon} RENAME kletochka.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The question editor needs nothing beside it, so it goes straight into the path.
# Its desktop entry opens the .qb files that the MIME type names on a double click.
set_target_properties(kletochka-editor PROPERTIES INSTALL_RPATH "")
install(TARGETS kletochka-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/kletochka-editor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/kletochka-questions.xml RENAME kletochka.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(size IN LISTS KLETOCHKA_EDITOR_ICON_SIZES)
  install(FILES ${KLETOCHKA_EDITOR_ICON_DIR}/kletochka-editor-${size}.png RENAME kletochka-editor.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

install(TARGETS qbtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Debian's manual pages and changelog are compressed, reproducibly (-n: no name or time).
set(gzipped)
foreach(doc qbtool.1 kletochka.1 kletochka-editor.1 changelog)
  set(gz ${CMAKE_BINARY_DIR}/packaging/${doc}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/${doc} > ${gz}
    DEPENDS packaging/${doc} VERBATIM)
  list(APPEND gzipped ${gz})
endforeach()
add_custom_target(package_docs ALL DEPENDS ${gzipped})
list(FILTER gzipped INCLUDE REGEX "\\.1\\.gz$")
install(FILES ${gzipped} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kletochka)
set(CPACK_PACKAGE_VENDOR "The Kletochka developers")
set(CPACK_PACKAGE_CONTACT "The Kletochka developers <developers@kletochka.invalid>")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Education, not games: Debian keeps "games" for programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Two teams, the crosses and the noughts, win the cells of a 3 x 3 board by
answering questions; a host runs the game from one full-screen window with
the mouse. Questions come from a bank file of seven rounds of nine; qbtool
makes a bank from a spreadsheet and prints the host's answer sheet; the
question editor writes and checks a bank in a window.")
# The Qt, sound and C++ libraries come from dpkg-shlibdeps; the layout's font is only looked up by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Qt's own words (the file dialog, the error box's button) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
