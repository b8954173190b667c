#!/bin/sh
# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
# A game at No Win played from the keyboard alone and read by Orca (43 or 48):
# after each move it says where the X and the O went, or that the cell is
# taken, once, and names no place the move did not play; Where Am I on New Game
# tells the board as it is; the outcome box is read, and the score after it.
# The game writes nothing on stderr meanwhile. Orca has no speech server here:
# what it would say, it writes to its debug log, read as it grows and shown at
# the end. Run under tests/atspi/run.sh, with VOVODI_READER_VOICE (notice or
# announcement) naming how the game speaks: run.sh GAME
set -eu
log=$HOME/orca.log
exec 3>"$log"
# Orca as its launcher starts itself, in the launcher's own interpreter and
# through its own main(), less the refusal to run beside another Orca of the
# user's: its log a line at a time, no speech server and no braille display.
launcher=$(command -v orca)
python=$(head -n 1 "$launcher" | sed 's/^#! *//')
"$python" - "$launcher" "$HOME" <<'END' &
import sys
from orca import debug, settings
debug.debugLevel, debug.debugFile = debug.LEVEL_INFO, open(3, "w", buffering=1)
settings.speechServerFactory, settings.enableBraille = None, False
launcher = {"__name__": "orca_launcher", "__file__": sys.argv[1]}
exec(compile(open(sys.argv[1]).read(), sys.argv[1], "exec"), launcher)
launcher["otherOrcas"] = lambda: []
sys.argv = ["orca", "--user-prefs", sys.argv[2]]
sys.exit(launcher["main"]())
END
# Orca keeps nothing, and would take SIGTERM only once an event woke it.
trap 'grep -F "SPEECH OUTPUT" "$log"; kill ${game:-} 2>/dev/null; kill -KILL '$!'; wait' EXIT
# Orca 48 says "button" where 43 says "push button", and a button's
# description apart from its name. A notice is read with its role.
if [ "$("$python" -c 'from orca import orca_platform; print(orca_platform.version.split(".")[0])')" -ge 48 ]; then
    button="button" && described() { echo "New Game button."; echo "$1"; }
else
    button="push button" && described() { echo "New Game push button $1"; }
fi
[ "${VOVODI_READER_VOICE:-}" = notice ] && notice="notification " || notice=
said=0
# step KEY PLACES TEXT...: presses KEY (- for none), then waits, 10 s at most
# each, for Orca to say each TEXT in turn. Of what Orca says from the key on,
# no utterance may name a place outside the comma-ended PLACES (what the key
# played).
step() {
    [ "$1" = - ] || { echo "$(wc -l <"$log") ,$2" >>"$HOME/steps" && xdotool key "$1"; }
    shift 2
    for text; do
        at=$(timeout 10 tail -n +$((said + 1)) -f "$log" | grep -n -m1 -F "SPEECH OUTPUT: '$text'") ||
            { echo "Orca did not say: $text"; exit 1; }
        said=$((said + ${at%%:*}))
    done
}
step - - "Screen reader on."
"$1" 2>"$HOME/game.err" & game=$!
xdotool search --sync --onlyvisible --class vovodi windowfocus %1
step - - "New Game $button." "Board empty, 9 cells free."
step 5 "centre,top left," "${notice}X centre. O top left."
step 7 "top left," "${notice}Top left is taken."
step 2 "bottom centre,top centre," "${notice}X bottom centre. O top centre."
# A player's pauses around reading the board: Orca 48 keeps the descriptions
# it has spoken for up to 2 s, whatever the game says of them meanwhile.
sleep 2.5
IFS='
' && step KP_Enter "top left,top centre,centre,bottom centre," \
    $(described "Board: O top left, O top centre, X centre, X bottom centre; 5 cells free.") && unset IFS
step 4 "middle left,top right," "alert Vovodi." "<< You Failed >>" "OK $button."
# OK; once the box has gone, the focus back on the game, as a window manager gives it.
sleep 2.5
xdotool key Return
while xdotool search --onlyvisible --name '^Vovodi$' >/dev/null; do sleep 0.1; done
xdotool search --onlyvisible --class vovodi windowfocus %1
step - - "New Game $button." "Board empty, 9 cells free." "${notice}X middle left. O top right. Computer 1, You 0."
sleep 1  # for anything said late
for move in "X centre. O top left." "Top left is taken." "X bottom centre. O top centre." "O top right. Computer 1"; do
    [ "$(grep -F "SPEECH OUTPUT" "$log" | grep -c -F "$move")" -eq 1 ] || { echo "Not said once: $move"; exit 1; }
done
awk -v steps="$HOME/steps" '
    BEGIN { while ((getline line < steps) > 0) { n++; from[n] = line + 0; places[n] = substr(line, index(line, " ") + 1) } }
    /SPEECH OUTPUT/ {
        for (s = n; s > 0 && NR <= from[s]; s--) {}
        for (text = tolower($0); s && match(text, /(top|middle|bottom) (left|centre|right)|centre/);
             text = substr(text, RSTART + RLENGTH)) {
            if (!index(places[s], "," substr(text, RSTART, RLENGTH) ",")) { print "Said after key " s ": " $0; bad = 1 }
        }
    }
    END { exit bad }' "$log"
# Qt's note that the reader was slow to answer a key (on a loaded machine) is the reader's, not the game's.
! grep -qv '^QSpiApplication::keyEventError ' "$HOME/game.err" || { echo "The game wrote on stderr:"; cat "$HOME/game.err"; exit 1; }
