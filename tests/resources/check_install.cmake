# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs `cmake --install BUILD_DIR --prefix PREFIX` and checks the layout:
#   cmake -DBUILD_DIR=.. -DPREFIX=.. -DBINDIR=bin -DDATADIR=share
#         -DMANDIR=share/man -DAPP_ID=.. -P check_install.cmake
# With -DREADELF=.. -DPROGRAM=<the program in the build tree>, also checks the
# run paths: none in the installed program, no empty entry (which the loader
# takes for the current folder) in the build tree's.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    ${BINDIR}/vovodi
    ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
    ${MANDIR}/man6/vovodi.6)
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

function(run_path out program)
    execute_process(COMMAND "${READELF}" -d "${program}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "readelf -d ${program} failed: ${result}")
    endif()
    set(${out} "" PARENT_SCOPE)
    if(dynamic MATCHES "\\((RPATH|RUNPATH)\\)[^[]*\\[([^]]*)\\]")
        set(${out} "${CMAKE_MATCH_1}=[${CMAKE_MATCH_2}]" PARENT_SCOPE)
    endif()
endfunction()
if(READELF)
    run_path(installed "${PREFIX}/${BINDIR}/vovodi")
    if(installed)
        message(FATAL_ERROR "the installed program has ${installed}")
    endif()
    run_path(built "${PROGRAM}")
    if(built MATCHES "\\[:|::|:]|\\[]")
        message(FATAL_ERROR "the program in the build tree has empty run path entries: ${built}")
    endif()
    message(STATUS "run paths: installed none, build tree '${built}'")
endif()
file(REMOVE_RECURSE "${PREFIX}")
