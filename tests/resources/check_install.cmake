# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs `cmake --install BUILD_DIR --prefix PREFIX` and checks the layout:
#   cmake -DBUILD_DIR=.. -DPREFIX=.. -DBINDIR=bin -DDATADIR=share
#         -DAPP_ID=.. -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    ${BINDIR}/vovodi
    ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()

set(missing)
foreach(path IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${path}")
        list(APPEND missing ${path})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "not installed under ${PREFIX}: ${missing}")
endif()
list(LENGTH expected count)
message(STATUS "${count} files installed where expected under ${PREFIX}")
file(REMOVE_RECURSE "${PREFIX}")
