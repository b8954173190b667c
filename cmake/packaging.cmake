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
install(FILES ${VOVODI_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

if(VOVODI_BUILD_TESTS)
    # Installs into a scratch prefix and checks that every file lands where
    # GNUInstallDirs puts it.
    add_test(NAME install_layout
        COMMAND ${CMAKE_COMMAND}
            -DBUILD_DIR=${PROJECT_BINARY_DIR}
            -DPREFIX=${PROJECT_BINARY_DIR}/install-layout-test
            -DBINDIR=${CMAKE_INSTALL_BINDIR}
            -DDATADIR=${CMAKE_INSTALL_DATADIR}
            -DMANDIR=${CMAKE_INSTALL_MANDIR}
            -DAPP_ID=${VOVODI_APP_ID}
            -DREADELF=${CMAKE_READELF}
            -DPROGRAM=$<TARGET_FILE:vovodi>
            -P ${PROJECT_SOURCE_DIR}/tests/resources/check_install.cmake)
endif()

# The .deb, made by scripts/package: a build folder of its own, configured with
# Debian's build flags and -DCMAKE_INSTALL_BINDIR=games, then `cpack -G DEB`.
# cmake/deb_docs.cmake then adds what only the package carries (the copyright
# file, the changelog), compresses the manual page and strips the program of
# the compiler's notes, as Debian wants.
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
# them; without one the window cannot open. Wine's Tahoma and MS Sans Serif
# are the faces the windows are laid out in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wine")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
# Arial's metrics, for the fallback face where Wine's are missing; Qt's
# wayland platform, without which a Wayland session runs the game through
# XWayland and Qt says at every start that it found no "wayland" plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_docs.cmake)
# Read by deb_docs.cmake (CPack hands every CPACK_ variable to it).
set(CPACK_VOVODI_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/resources/debian)
set(CPACK_VOVODI_BINDIR ${CMAKE_INSTALL_BINDIR})
set(CPACK_VOVODI_MANDIR ${CMAKE_INSTALL_MANDIR})
set(CPACK_VOVODI_STRIP ${CMAKE_STRIP})
set(CPACK_GENERATOR DEB)
include(CPack)

if(VOVODI_BUILD_TESTS AND NOT VOVODI_SANITIZE)
    # The licence of every file, by the REUSE rules.
    find_program(REUSE reuse)
    if(REUSE)
        add_test(NAME reuse_lint COMMAND ${REUSE} --root ${PROJECT_SOURCE_DIR} lint)
    else()
        message(STATUS "Licence check left out: reuse not found")
    endif()

    # The .deb as scripts/package makes it, in a folder of its own, checked by
    # lintian. Left out of the sanitizer build, which would only repeat it.
    find_program(LINTIAN lintian)
    find_program(DPKG_DEB dpkg-deb)
    find_program(DPKG_BUILDFLAGS dpkg-buildflags)
    if(LINTIAN AND DPKG_DEB AND DPKG_BUILDFLAGS)
        add_test(NAME deb_lintian
            COMMAND ${PROJECT_SOURCE_DIR}/scripts/package --lintian ${PROJECT_BINARY_DIR}/deb)
        set_tests_properties(deb_lintian PROPERTIES TIMEOUT 1200 FIXTURES_SETUP deb)
        # What the package pulls in besides its libraries.
        add_test(NAME deb_relations COMMAND sh -c [[dpkg-deb -f "$0"/vovodi_*.deb Depends Recommends]]
            ${PROJECT_BINARY_DIR}/deb)
        set_tests_properties(deb_relations PROPERTIES FIXTURES_REQUIRED deb PASS_REGULAR_EXPRESSION
            "Depends: [^\n]*qt6-qpa-plugins, fonts-wine[^\n]*\nRecommends: fonts-liberation, qt6-wayland\n")
    else()
        message(STATUS "Package check left out: it needs lintian, dpkg-deb and dpkg-buildflags")
    endif()
endif()
