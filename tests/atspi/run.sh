#!/bin/bash
# Runs COMMAND [ARGS...] as a screen reader would meet it: on a private X
# server (Xvfb), in a private D-Bus session with the AT-SPI accessibility bus,
# and with Qt's AT-SPI bridge switched on. Everything started here is ended
# when the script ends, however it ends. ATSPI_BUS_LAUNCHER names the
# accessibility bus launcher (default: Debian's).
set -u

if [ -z "${VOVODI_IN_ATSPI_SESSION:-}" ]; then
    # dbus-run-session ends the session bus when this script's second run ends.
    export VOVODI_IN_ATSPI_SESSION=1
    exec dbus-run-session -- "$0" "$@"
fi

started=()
workdir=$(mktemp -d)

cleanup() {
    local pid
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        pid=${started[i]}
        kill "$pid" 2>/dev/null
    done
    for pid in "${started[@]}"; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A free display: Xvfb picks one and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
started+=($!)
for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    sleep 0.1
done
if [ ! -s "$workdir/display" ]; then
    echo "run.sh: Xvfb did not start:" >&2
    cat "$workdir/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$workdir/display")"

# The accessibility bus, started here rather than by D-Bus activation so that
# it is ours to end; the AT-SPI registry starts on it when first asked for.
"${ATSPI_BUS_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}" --launch-immediately 2>"$workdir/at-spi.log" &
started+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
    sleep 0.1
done

export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

"$@"
exit $?
