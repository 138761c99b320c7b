# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 g++ (posix threads),
# for Qt itself and for the project:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_PREFIX_PATH=<qt> ...

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(KLETOCHKA_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix flavour: the win32 one has no std::thread or std::mutex.
set(CMAKE_C_COMPILER ${KLETOCHKA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KLETOCHKA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KLETOCHKA_MINGW_TRIPLE}-windres)

# Target headers, libraries and CMake packages only from the MinGW root and the
# prefixes we are given, never the host's /usr; programs (moc, rcc, lrelease) from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KLETOCHKA_MINGW_TRIPLE})
foreach(prefix IN LISTS CMAKE_PREFIX_PATH)
  list(APPEND CMAKE_FIND_ROOT_PATH "${prefix}")
endforeach()
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config too sees only Windows libraries: those of the prefixes given
# (FindPkgConfig adds their lib/pkgconfig), never the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${KLETOCHKA_MINGW_TRIPLE}/lib/pkgconfig)

# Lets ctest and add_test run the .exe tests under Wine.
find_program(KLETOCHKA_WINE NAMES wine)
if(KLETOCHKA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KLETOCHKA_WINE})
endif()

