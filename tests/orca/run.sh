#!/bin/sh
# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
# A game at No Win played from the keyboard alone and read by Orca: after each
# move it says where the X and the O went, or that the cell is taken; Where Am
# I on New Game tells the board; the outcome box is read, and the score after
# it. Orca has no speech server here: what it would say, it writes to its debug
# log, read as it grows and shown at the end. Run under tests/atspi/run.sh:
# run.sh GAME
set -eu
log=$HOME/orca.log
exec 3>"$log"
# Orca as its launcher starts it, in the launcher's Python, less the refusal to
# run beside another Orca of the user's: its log a line at a time, no speech
# server and no braille display. The log is made here, so that it is there to
# be read from the start.
"$(head -n 1 "$(command -v orca)" | cut -c 3-)" - "$HOME" <<'END' &
import sys
from orca import debug, settings
debug.debugLevel, debug.debugFile = debug.LEVEL_INFO, open(3, "w", buffering=1)
settings.speechServerFactory, settings.enableBraille = None, False
from orca import orca
orca.getSettingsManager().activate(sys.argv[1])
sys.exit(orca.main())
END
# Orca keeps nothing, and would take SIGTERM only once an event woke it.
trap 'grep -F "SPEECH OUTPUT" "$log"; kill ${game:-} 2>/dev/null; kill -KILL '$!'; wait' EXIT
said=0
# step KEY TEXT...: presses KEY (- for none), then waits, 10 s at most each,
# for Orca to say each TEXT in turn.
step() {
    [ "$1" = - ] || xdotool key "$1"
    shift
    for text; do
        at=$(timeout 10 tail -n +$((said + 1)) -f "$log" | grep -n -m1 -F "SPEECH OUTPUT: '$text'") ||
            { echo "Orca did not say: $text"; exit 1; }
        said=$((said + ${at%%:*}))
    done
}
step - "Screen reader on."
"$1" & game=$!
xdotool search --sync --onlyvisible --class vovodi windowfocus %1
step - "New Game push button." "Board empty, 9 cells free."
step 5 "notification X centre. O top left."
step 7 "notification Top left is taken."
step 2 "notification X bottom centre. O top centre."
step KP_Enter "New Game push button Board: O top left, O top centre, X centre, X bottom centre; 5 cells free."
step 4 "alert Vovodi." "<< You Failed >>" "OK push button."
# OK; once the box has gone, the focus back on the game, as a window manager gives it.
xdotool key Return
while xdotool search --onlyvisible --name '^Vovodi$' >/dev/null; do sleep 0.1; done
xdotool search --onlyvisible --class vovodi windowfocus %1
step - "New Game push button." "Board empty, 9 cells free." "notification X middle left. O top right. Computer 1, You 0."
