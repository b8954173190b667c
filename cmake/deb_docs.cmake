# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on the files it is about to pack into
# the .deb, after `cmake --install` has put them in its staging folder:
#  - adds /usr/share/doc/vovodi/copyright (machine-readable) and changelog.gz,
#    which only the package carries;
#  - compresses the manual page, as Debian wants it and `man` reads it;
#  - takes the compiler's .comment and .note sections out of the program,
#    as Debian's own packaging (dh_strip) does after CPack's plain strip;
# everything compressed with `gzip -9n` (no name, no time stamp), so the same
# files give the same package.
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(docdir "${root}/share/doc/${CPACK_DEBIAN_PACKAGE_NAME}")

# Section games puts the program in /usr/games; a build configured for
# /usr/bin would give a package lintian rejects.
if(NOT CPACK_VOVODI_BINDIR STREQUAL "games")
    message(FATAL_ERROR "The .deb wants the program in /usr/games: configure with "
        "-DCMAKE_INSTALL_BINDIR=games (scripts/package does)")
endif()

# The newest changelog entry names the version being packed.
file(STRINGS "${CPACK_VOVODI_DEBIAN_DIR}/changelog" newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^${CPACK_DEBIAN_PACKAGE_NAME} \\(([^)]*)\\)"
        OR NOT CMAKE_MATCH_1 STREQUAL CPACK_PACKAGE_VERSION)
    message(FATAL_ERROR "resources/debian/changelog starts with '${newest}'; "
        "add an entry for version ${CPACK_PACKAGE_VERSION}")
endif()

function(gzip_into source target)
    execute_process(COMMAND gzip -9nc "${source}" OUTPUT_FILE "${target}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "gzip ${source}: ${result}")
    endif()
    file(CHMOD "${target}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

file(MAKE_DIRECTORY "${docdir}")
file(COPY "${CPACK_VOVODI_DEBIAN_DIR}/copyright" DESTINATION "${docdir}"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
gzip_into("${CPACK_VOVODI_DEBIAN_DIR}/changelog" "${docdir}/changelog.gz")

if(CPACK_VOVODI_STRIP)
    execute_process(COMMAND "${CPACK_VOVODI_STRIP}" --remove-section=.comment --remove-section=.note
            "${root}/${CPACK_VOVODI_BINDIR}/vovodi"
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "strip ${root}/${CPACK_VOVODI_BINDIR}/vovodi: ${result}")
    endif()
endif()

file(GLOB pages "${root}/${CPACK_VOVODI_MANDIR}/man*/*")
foreach(page IN LISTS pages)
    if(NOT page MATCHES "\\.gz$")
        gzip_into("${page}" "${page}.gz")
        file(REMOVE "${page}")
    endif()
endforeach()
