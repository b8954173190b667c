#!/bin/sh
# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
# A game at No Win played from the keyboard under Wine, on a private X server,
# with a UI Automation client of our own in the same prefix (WINEPREFIX): after
# each move the game raises one notification saying what the move did, and no
# focus change; the outcome box's OK brings the score. Wine 10 logs what the
# game raises on its "uiautomation" channel, which the client reads.
#   uia_game.sh GAME.exe UIA_CLIENT.exe
set -eu
log=$(mktemp)
trap 'rm -f "$log"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" sh -c '
    WINEDEBUG=-all,fixme+uiautomation,trace+uiautomation wine "$1" 2>"$3" & game=$!
    title=$(timeout 60 xdotool search --sync --onlyvisible --name "^Zuzozu Ruvar" getwindowname)
    WINEDEBUG=-all wine "$2" "Z:$(echo "$3" | tr / \\\\)" "$title" \
        5 "X centre. O top left." \
        7 "Top left is taken." \
        2 "X bottom centre. O top centre." \
        4 - \
        Return "X middle left. O top right. Computer 1, You 0."
    status=$?
    kill $game; wait $game 2>/dev/null
    exit $status' sh "$1" "$2" "$log"
