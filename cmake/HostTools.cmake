# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The programs the build runs to make its own files: qbtool makes the default bank,
# the icon maker the editor's icons. A cross build cannot run what it builds, so it
# runs those of a native build of the same sources (scripts/windows makes one).
if(CMAKE_CROSSCOMPILING)
  set(KLETOCHKA_HOST_BUILD "" CACHE PATH
      "A native build of these sources whose qbtool and icon maker this cross build runs")
  set(KLETOCHKA_HOST_QBTOOL ${KLETOCHKA_HOST_BUILD}/tools/qbtool/qbtool)
  set(KLETOCHKA_HOST_EDITOR_ICON ${KLETOCHKA_HOST_BUILD}/editor/icon/kletochka_editor_icon)
  foreach(tool IN ITEMS ${KLETOCHKA_HOST_QBTOOL} ${KLETOCHKA_HOST_EDITOR_ICON})
    if(NOT EXISTS ${tool})
      message(FATAL_ERROR "A cross build runs ${tool} of a native build: build it there "
                          "and give that build's folder as KLETOCHKA_HOST_BUILD")
    endif()
  endforeach()
  set(KLETOCHKA_HOST_QBTOOL_DEPENDS ${KLETOCHKA_HOST_QBTOOL})
  set(KLETOCHKA_HOST_EDITOR_ICON_DEPENDS ${KLETOCHKA_HOST_EDITOR_ICON})
else()
  set(KLETOCHKA_HOST_QBTOOL $<TARGET_FILE:qbtool>)
  set(KLETOCHKA_HOST_QBTOOL_DEPENDS qbtool)
  set(KLETOCHKA_HOST_EDITOR_ICON $<TARGET_FILE:kletochka_editor_icon>)
  set(KLETOCHKA_HOST_EDITOR_ICON_DEPENDS kletochka_editor_icon)
endif()
