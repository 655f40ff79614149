# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread
# model, which C++ threads need).  GANJI_MINGW_PREFIX, from the cache or the
# environment, names the folder where libraries built for Windows (Qt,
# GoogleTest) are installed; they are looked for there and nowhere else.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

if(NOT GANJI_MINGW_PREFIX AND DEFINED ENV{GANJI_MINGW_PREFIX})
    set(GANJI_MINGW_PREFIX "$ENV{GANJI_MINGW_PREFIX}")
endif()
# try_compile projects see the toolchain file but not the cache.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GANJI_MINGW_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${GANJI_MINGW_PREFIX})
list(PREPEND CMAKE_PREFIX_PATH ${GANJI_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt for Windows runs its code generators (moc, uic, rcc) from the host's Qt,
# which Debian lays out by architecture.
set(QT_HOST_PATH /usr CACHE PATH "The host's Qt, whose tools a cross build runs")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake
    CACHE PATH "Where the host's Qt keeps its CMake packages")
