# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Vovodi for Windows: what goes next to Vovodi.exe (the Qt and MinGW runtime
# DLLs, the platform and style plugins, the licence texts) as the install
# component "windows", and the portable zip and the NSIS installer made from
# it by `cpack -G ZIP` and `cpack -G NSIS`. Included before
# cmake/packaging.cmake, which includes CPack; the Windows settings are applied
# at packing time by cmake/windows_cpack.cmake. scripts/windows drives it all.
if(NOT WIN32)
    return()
endif()

set(VOVODI_WIN_COMPONENT windows)

install(TARGETS vovodi RUNTIME DESTINATION . COMPONENT ${VOVODI_WIN_COMPONENT})
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets
    RUNTIME DESTINATION . COMPONENT ${VOVODI_WIN_COMPONENT})
# Qt 6.8 no longer brings in its plugins' CMake packages with their modules.
find_package(Qt6QWindowsIntegrationPlugin REQUIRED CONFIG PATHS ${Qt6Gui_DIR} NO_DEFAULT_PATH)
find_package(Qt6QModernWindowsStylePlugin REQUIRED CONFIG PATHS ${Qt6Widgets_DIR} NO_DEFAULT_PATH)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
    DESTINATION platforms COMPONENT ${VOVODI_WIN_COMPONENT})
install(FILES $<TARGET_FILE:Qt6::QModernWindowsStylePlugin>
    DESTINATION styles COMPONENT ${VOVODI_WIN_COMPONENT})

# The compiler's own runtime, which Qt's DLLs and Vovodi.exe load.
if(MINGW)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
            OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
            message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
        endif()
        install(FILES ${dll_path} DESTINATION . COMPONENT ${VOVODI_WIN_COMPONENT})
    endforeach()
endif()

# The DLLs come with their symbols (libstdc++-6.dll alone is 23 MB so), which
# the packages leave out.
if(CMAKE_STRIP)
    install(CODE "
        set(top \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
        file(GLOB binaries \"\${top}/*.exe\" \"\${top}/*.dll\" \"\${top}/platforms/*.dll\" \"\${top}/styles/*.dll\")
        foreach(binary IN LISTS binaries)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${binary}\" COMMAND_ERROR_IS_FATAL ANY)
        endforeach()"
        COMPONENT ${VOVODI_WIN_COMPONENT})
endif()

# The licences: Vovodi's (GPL-3.0-or-later) and Qt's (LGPL-3.0), with where
# Qt's source is to be had. The texts are Debian's copies.
set(VOVODI_GPL_TEXT /usr/share/common-licenses/GPL-3 CACHE FILEPATH "The GPL-3.0 text shipped with Vovodi")
set(VOVODI_LGPL_TEXT /usr/share/common-licenses/LGPL-3 CACHE FILEPATH "The LGPL-3.0 text shipped for Qt")
set(VOVODI_QT_SOURCE "Debian's qt6-base source package ${Qt6_VERSION}" CACHE STRING
    "Which Qt source the Windows DLLs were built from")
set(licence_dir ${PROJECT_BINARY_DIR}/windows-licences)
configure_file(${VOVODI_GPL_TEXT} ${licence_dir}/COPYING.txt COPYONLY)
configure_file(${VOVODI_LGPL_TEXT} ${licence_dir}/Qt-LGPL-3.0.txt COPYONLY)
file(WRITE ${licence_dir}/Qt-source.txt
"${VOVODI_TITLE} ${VOVODI_DISPLAY_VERSION} uses Qt ${Qt6_VERSION} (Qt6Core.dll, Qt6Gui.dll,
Qt6Widgets.dll and the plugins in platforms\\ and styles\\), (C) The Qt Company
Ltd. and other contributors, under the GNU Lesser General Public License
version 3 (Qt-LGPL-3.0.txt, which builds on the GNU GPL version 3 in
COPYING.txt). You may replace these DLLs with your own build of Qt ${Qt6_VERSION}.
Qt-third-party.txt lists the third-party code inside Qt's DLLs and its licences.

The DLLs were built unchanged from ${VOVODI_QT_SOURCE},
cross-compiled with MinGW-w64 as scripts/windows in Vovodi's source shows,
and stripped of their symbols. Qt's source is to be had from Debian:
    https://sources.debian.org/src/qt6-base/
    apt-get source qt6-base
and the same Qt version from the Qt project:
    https://download.qt.io/archive/qt/

libstdc++-6.dll and libgcc_s_seh-1.dll are GCC's runtime (GPL-3.0 with the
GCC Runtime Library Exception); libwinpthread-1.dll is MinGW-w64's
(MIT licence). Their source is Debian's gcc-mingw-w64 and mingw-w64 source
packages.
")
install(FILES ${licence_dir}/COPYING.txt ${licence_dir}/Qt-LGPL-3.0.txt ${licence_dir}/Qt-source.txt
    DESTINATION . COMPONENT ${VOVODI_WIN_COMPONENT})
# The third-party code inside Qt's DLLs and its licences, which scripts/windows
# writes from Qt's source into the Qt it builds.
set(qt_notices ${QT6_INSTALL_PREFIX}/vovodi-qt-third-party.txt)
if(NOT EXISTS ${qt_notices})
    message(FATAL_ERROR "${qt_notices} is missing: build Qt for Windows with scripts/windows")
endif()
install(FILES ${qt_notices} RENAME Qt-third-party.txt DESTINATION . COMPONENT ${VOVODI_WIN_COMPONENT})

# Read by cpack from CPackConfig.cmake; cmake/windows_cpack.cmake turns them
# into the settings of the ZIP and NSIS generators.
set(CPACK_VOVODI_WIN_BINARY_DIR ${PROJECT_BINARY_DIR})
set(CPACK_VOVODI_WIN_COMPONENT ${VOVODI_WIN_COMPONENT})
set(CPACK_VOVODI_WIN_FILE_NAME "${VOVODI_TITLE}-${VOVODI_DISPLAY_VERSION}-win64")
set(CPACK_VOVODI_WIN_TITLE "${VOVODI_TITLE}")
set(CPACK_VOVODI_WIN_LICENSE ${licence_dir}/COPYING.txt)
set(CPACK_VOVODI_WIN_ICON ${PROJECT_SOURCE_DIR}/resources/vovodi.ico)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows_cpack.cmake)

# CMake's NSIS script installs for all users when it can; this copy of it
# installs for the current user only and never asks for administrator rights.
# The changes are checked, so a newer CMake whose script differs stops here.
set(nsis_template ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
file(READ ${nsis_template} nsis)
foreach(change IN ITEMS
        # A 64-bit installer for the 64-bit program (Debian's nsis has the stubs).
        "  !define VERSION |  Target amd64-unicode\n  !define VERSION "
        "RequestExecutionLevel admin|RequestExecutionLevel user"
        "SetShellVarContext all|SetShellVarContext current"
        "StrCpy $SV_ALLUSERS \"AllUsers\"|StrCpy $SV_ALLUSERS \"JustMe\""
        "StrCpy $INSTDIR \"$DOCUMENTS\\@CPACK_PACKAGE_INSTALL_DIRECTORY@\"|StrCpy $INSTDIR \"@CPACK_NSIS_INSTALL_ROOT@\\@CPACK_PACKAGE_INSTALL_DIRECTORY@\""
        "HKLM \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall|SHCTX \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall")
    string(REPLACE "|" ";" change "${change}")
    list(GET change 0 from)
    list(GET change 1 to)
    string(FIND "${nsis}" "${from}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${nsis_template} has no \"${from}\" to change")
    endif()
    string(REPLACE "${from}" "${to}" nsis "${nsis}")
endforeach()
file(WRITE ${PROJECT_BINARY_DIR}/nsis/NSIS.template.in "${nsis}")
list(PREPEND CPACK_MODULE_PATH ${PROJECT_BINARY_DIR}/nsis)
