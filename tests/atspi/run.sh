#!/bin/sh
# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs COMMAND [ARGS...] as a screen reader would meet it: on a private X
# server, in a private D-Bus session with the AT-SPI accessibility bus, and
# with Qt's AT-SPI bridge switched on. ATSPI_BUS_LAUNCHER names the
# accessibility bus launcher (default: Debian's). Nothing of the user's is
# read or written: the home and XDG folders are a new one, removed at the end,
# and desktop settings live in memory.
set -u
if [ -z "${VOVODI_IN_ATSPI_SESSION:-}" ]; then
    export VOVODI_IN_ATSPI_SESSION=1 GSETTINGS_BACKEND=memory GDK_BACKEND=x11
    exec dbus-run-session -- "$0" "$@"
fi
home=$(mktemp -d)
export HOME="$home" XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" XDG_CACHE_HOME="$home" XDG_RUNTIME_DIR="$home"
# The X server takes the first free display and names it once it is ready, so
# that runs side by side never race for one.
Xvfb -displayfd 3 -nolisten tcp -noreset 3>"$home/display" 2>/dev/null & xvfb=$!
for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$home/display")" && unset WAYLAND_DISPLAY
# The accessibility bus, started here rather than by D-Bus activation so that it is ours to end.
"${ATSPI_BUS_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}" --launch-immediately 2>/dev/null & bus=$!
trap 'kill $bus $xvfb 2>/dev/null; wait $bus $xvfb 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
    sleep 0.1
done
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
