# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix
# threads variant, which std::thread and Qt need). Used by scripts/windows for
# Qt itself, GoogleTest and Vovodi.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

# Headers, libraries and CMake packages come from the MinGW sysroot and the
# prefixes given in CMAKE_PREFIX_PATH, never from the Linux system; programs
# run during the build are the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
