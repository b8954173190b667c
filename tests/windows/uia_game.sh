#!/bin/sh
# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
# A game at No Win played from the keyboard under Wine, on a private X server,
# with a UI Automation client of our own in the same prefix (WINEPREFIX). Wine
# 10 delivers no notifications to clients, but logs each the game raises on its
# "uiautomation" channel, focus changes too: after each move, one notification
# saying what it did and no focus change; the outcome box's OK brings the score.
#   uia_game.sh GAME.exe UIA_CLIENT.exe
set -eu
log=$(mktemp)
trap 'rm -f "$log" "$log.seen"' EXIT
expected='5|X centre. O top left.|0
7|Top left is taken.|0
2|X bottom centre. O top centre.|0
4||2
Return|X middle left. O top right. Computer 1, You 0.|2'
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" sh -c '
    WINEDEBUG=-all,fixme+uiautomation,trace+uiautomation wine "$1" 2>>"$3" & game=$!
    for _ in $(seq 300); do  # again and again: a window of Wine'"'"'s vanishing mid-search ends it
        title=$(xdotool search --onlyvisible --name "^Zuzozu Ruvar" getwindowname 2>/dev/null) && break; sleep 0.2
    done
    WINEDEBUG=-all wine "$2" "Z:$(echo "$3" | tr / \\\\)" "$title" $4; status=$?
    kill $game; wait $game 2>/dev/null
    exit $status' sh "$1" "$2" "$log" "$(echo "$expected" | cut -d'|' -f1)"
# Each key, what the game raised after it: its notifications (" / " between) and its focus changes.
awk '/^key / { if (key != "") print key "|" said "|" focus; key = $2; said = ""; focus = 0 }
    key != "" && /UiaRaiseNotificationEvent/ { match($0, /L"[^"]*"/); said = said (said == "" ? "" : " / ") substr($0, RSTART + 2, RLENGTH - 3) }
    key != "" && /UiaRaiseAutomationEvent \(.*, 20005\)$/ { focus++ }
    END { print key "|" said "|" focus }' "$log" >"$log.seen"
echo "$expected" | diff - "$log.seen" && cat "$log.seen"
