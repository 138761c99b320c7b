# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Each Windows program's icons and version resource, from packaging/windows/version.rc.in.
enable_language(RC)

# kletochka_add_windows_resources(target DESCRIPTION text ICONS first.ico [second.ico ...])
# The target's name is its program's file name.
# The first icon is the program's own; Explorer names the others by index (",1" and so on).
function(kletochka_add_windows_resources target)
  cmake_parse_arguments(R "" "DESCRIPTION" "ICONS" ${ARGN})
  set(KLETOCHKA_RC_NAME ${target})
  set(KLETOCHKA_RC_DESCRIPTION "${R_DESCRIPTION}")
  set(KLETOCHKA_RC_ICONS "")
  set(id 1)
  foreach(icon IN LISTS R_ICONS)
    string(APPEND KLETOCHKA_RC_ICONS "${id} ICON \"${icon}\"\n")
    math(EXPR id "${id} + 1")
  endforeach()
  set(rc ${CMAKE_BINARY_DIR}/windows-resources/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  # windres reads the icons: rebuild when they change.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${R_ICONS}")
endfunction()

kletochka_add_windows_resources(kletochka
  DESCRIPTION "Турнир-клеточка"
  ICONS ${PROJECT_SOURCE_DIR}/assets/mainicon.ico)
kletochka_add_windows_resources(kletochka-editor
  DESCRIPTION "Редактор вопросов «Турнир-клеточка»"
  ICONS ${KLETOCHKA_EDITOR_ICO} ${KLETOCHKA_QUESTIONS_ICO})
kletochka_add_windows_resources(qbtool
  DESCRIPTION "qbtool: файлы вопросов «Турнир-клеточка» из таблиц"
  ICONS ${PROJECT_SOURCE_DIR}/assets/mainicon.ico)
add_dependencies(kletochka-editor kletochka_editor_icons)
