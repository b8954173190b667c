# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing Vovodi on a desktop and packing it as a .deb. Included at the end
# of the top-level CMakeLists.txt, once the vovodi target and the configured
# files of resources/ exist.
include(GNUInstallDirs)

if(WIN32)
    # The icon and version record of vovodi.exe.
    target_sources(vovodi PRIVATE ${VOVODI_RC_FILE})
endif()

install(TARGETS vovodi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VOVODI_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VOVODI_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS VOVODI_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/vovodi-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${VOVODI_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/vovodi.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${VOVODI_APP_ID}.svg)

if(VOVODI_BUILD_TESTS)
    # Installs into a scratch prefix and checks that every file lands where
    # GNUInstallDirs puts it.
    add_test(NAME install_layout
        COMMAND ${CMAKE_COMMAND}
            -DBUILD_DIR=${PROJECT_BINARY_DIR}
            -DPREFIX=${PROJECT_BINARY_DIR}/install-layout-test
            -DBINDIR=${CMAKE_INSTALL_BINDIR}
            -DDATADIR=${CMAKE_INSTALL_DATADIR}
            -DAPP_ID=${VOVODI_APP_ID}
            -P ${PROJECT_SOURCE_DIR}/tests/resources/check_install.cmake)
endif()

# The .deb, made by `cpack -G DEB` in the build folder (see scripts/package).
set(CPACK_PACKAGE_NAME vovodi)
set(CPACK_PACKAGE_VENDOR "${VOVODI_COMPANY}")
set(CPACK_PACKAGE_VERSION "${VOVODI_DISPLAY_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${VOVODI_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION
    "You play X against the computer's O on the three-by-three board, at four
levels: Easy, Normal, Hard and No Win. A scoreboard keeps the score, Help
plays your move for you, and the digit keys play the squares laid out like a
numeric keypad.")
set(CPACK_PACKAGE_CONTACT "${VOVODI_COMPANY} <${VOVODI_MAIL}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME vovodi)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VOVODI_COMPANY} <${VOVODI_MAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Qt loads its platform plugins at run time, so no library dependency names
# them; without one the window cannot open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
# The faces the windows ask for: Wine's Tahoma and MS Sans Serif, Arial's metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-liberation")
set(CPACK_GENERATOR DEB)
include(CPack)
