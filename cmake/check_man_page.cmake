# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later

# Formats a manual page as man shows it and fails on any warning of groff:
#   MANWIDTH=80 cmake -DMAN=man -DPAGE=vovodi.6 -P check_man_page.cmake
execute_process(COMMAND "${MAN}" --warnings -l "${PAGE}"
    OUTPUT_VARIABLE page ERROR_VARIABLE warnings RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "" OR page STREQUAL "")
    message(FATAL_ERROR "man --warnings -l ${PAGE}: exit ${result}\n${warnings}")
endif()
string(REGEX MATCHALL "\n" lines "${page}")
list(LENGTH lines count)
message(STATUS "${PAGE}: ${count} lines, no warnings")
