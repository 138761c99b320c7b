# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# On Windows the program folder also holds what the programs load besides
# themselves: Qt's libraries and plug-ins, Qt's Russian catalogue, and the
# compiler's runtime. qt.conf tells Qt to look for them there.

# The compiler's runtime libraries, which Qt's own libraries link too.
set(KLETOCHKA_MINGW_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is")
  endif()
  list(APPEND KLETOCHKA_MINGW_RUNTIME ${found})
endforeach()

# The same catalogue as Debian ships for its own Qt: the texts of Qt's dialogs.
find_file(KLETOCHKA_QTBASE_RU qtbase_ru.qm PATHS /usr/share/qt6/translations
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# qbtool draws its fit check off screen, through the minimal platform.
set(plugins
  platforms Qt6::QWindowsIntegrationPlugin
  platforms Qt6::QMinimalIntegrationPlugin
  styles Qt6::QWindowsVistaStylePlugin)
if(TARGET Qt6::QICOPlugin)
  list(APPEND plugins imageformats Qt6::QICOPlugin)
endif()

set(commands)
foreach(library Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
  list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different
    $<TARGET_FILE:${library}> ${KLETOCHKA_DIST_DIR})
endforeach()
while(plugins)
  list(POP_FRONT plugins folder plugin)
  list(APPEND commands
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KLETOCHKA_DIST_DIR}/${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${plugin}> ${KLETOCHKA_DIST_DIR}/${folder})
endwhile()
add_custom_target(windows_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KLETOCHKA_DIST_DIR}/translations
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KLETOCHKA_MINGW_RUNTIME} ${KLETOCHKA_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KLETOCHKA_QTBASE_RU} ${KLETOCHKA_DIST_DIR}/translations
  ${commands}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf
    ${KLETOCHKA_DIST_DIR}
  VERBATIM)

# Tests run under Wine, with Qt's and the compiler's libraries on its path.
if(CMAKE_CROSSCOMPILING)
  find_program(KLETOCHKA_WINE NAMES wine REQUIRED)
  get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
  get_filename_component(KLETOCHKA_QT_BIN ${qt_core} DIRECTORY)
  # The sound tests and the window's link the sound plug-in itself.
  set(dll_dirs ${KLETOCHKA_QT_BIN} ${KLETOCHKA_DIST_DIR}/${KLETOCHKA_PLUGIN_DIR})
  foreach(dll IN LISTS KLETOCHKA_MINGW_RUNTIME)
    get_filename_component(dir ${dll} DIRECTORY)
    list(APPEND dll_dirs ${dir})
  endforeach()
  list(REMOVE_DUPLICATES dll_dirs)
  list(JOIN dll_dirs ";" KLETOCHKA_WINE_DLL_PATH)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY)
  file(CHMOD ${CMAKE_BINARY_DIR}/wine-run
    PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(KLETOCHKA_TARGET_RUNNER ${CMAKE_BINARY_DIR}/wine-run)
endif()
