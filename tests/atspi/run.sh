#!/bin/sh
# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs COMMAND [ARGS...] as a screen reader would meet it: on a private X
# server, in a private D-Bus session with the AT-SPI accessibility bus, and
# with Qt's AT-SPI bridge switched on. ATSPI_BUS_LAUNCHER names the
# accessibility bus launcher (default: Debian's).
set -u
if [ -z "${VOVODI_IN_ATSPI_SESSION:-}" ]; then
    export VOVODI_IN_ATSPI_SESSION=1
    exec xvfb-run -a -s "-nolisten tcp" dbus-run-session -- "$0" "$@"
fi
# The accessibility bus, started here rather than by D-Bus activation so that it is ours to end.
"${ATSPI_BUS_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}" --launch-immediately 2>/dev/null &
bus=$!
trap 'kill $bus 2>/dev/null; wait $bus 2>/dev/null' EXIT
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
    sleep 0.1
done
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
