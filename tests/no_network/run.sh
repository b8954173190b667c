#!/bin/bash
# Runs a program under strace and fails if it used the network or wrote a file.
#
#   run.sh PROGRAM LOG
#
# The trace (socket, connect, and every call that opens a file for writing,
# writes, creates, renames, links or removes one) is kept in LOG. STRACE names
# strace (default: strace). The program's own output goes through a pipe, so
# that its messages never count as writes to a file.
#
# What is allowed, and why:
#  - sockets of family AF_UNIX only, and connected only to nscd's socket: the
#    C library asks the name service cache daemon first when the About box
#    looks up the user's name (getpwuid_r); it is usually absent, ENOENT.
#  - opening for writing only under /dev/ and /proc/: devices and kernel
#    interfaces, not files on disk.
#  - creating the directory /tmp/runtime-<user>: Qt's fallback runtime
#    directory, made when XDG_RUNTIME_DIR is not set, as it is not under ctest.
#  - write() to pipes, sockets, event descriptors and devices; never to a file.
# Anything else is reported, and fails the run.
set -u

if [ $# -ne 2 ]; then
    echo "usage: run.sh PROGRAM LOG" >&2
    exit 2
fi
program=$1
log=$2
strace=${STRACE:-strace}

calls='socket,connect,?open,openat,?openat2,?creat,write,?rename,renameat,?renameat2,?unlink,unlinkat'
calls+=',?mkdir,mkdirat,?rmdir,?link,linkat,?symlink,symlinkat,truncate,ftruncate'

"$strace" -f -y -qq -e "trace=$calls" -o "$log" "$program" 2>&1 | sed 's/^/    program: /'
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
    echo "FAIL: the program exited with status $status (see above)"
    exit 1
fi
if [ ! -s "$log" ]; then
    echo "FAIL: nothing was traced into $log"
    exit 1
fi

# One line per finding: "ok|bad<TAB>what". Calls split by another thread
# ("<unfinished ...>") keep their arguments on the first line, which is the
# one looked at here.
findings=$(awk '
    function path(line,   s) {
        if (match(line, /"[^"]*"/)) return substr(line, RSTART + 1, RLENGTH - 2)
        return "?"
    }
    function device(p) { return p ~ /^\/(dev|proc)\// }
    { sub(/^[0-9]+ +/, "") }
    /^(socket)\(/ {
        fam = $0; sub(/^socket\(/, "", fam); sub(/,.*/, "", fam)
        print (fam == "AF_UNIX" ? "ok" : "bad") "\tsocket " fam
        next
    }
    /^connect\(/ {
        if ($0 ~ /sa_family=AF_UNIX/) {
            p = $0; sub(/.*sun_path=/, "", p); p = path(p)
            print (p ~ /^\/(var\/)?run\/nscd\/socket$/ ? "ok" : "bad") "\tconnect AF_UNIX " p
        } else {
            fam = $0; sub(/.*sa_family=/, "", fam); sub(/[,}].*/, "", fam)
            print "bad\tconnect " fam
        }
        next
    }
    /^(open|openat|openat2)\(/ {
        if ($0 ~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND/) {
            p = path($0)
            print (device(p) ? "ok" : "bad") "\topen for writing " p
        }
        next
    }
    /^(mkdir|mkdirat)\(/ {
        p = path($0)
        print (p ~ /^\/tmp\/runtime-[^\/]+$/ ? "ok" : "bad") "\tmkdir " p
        next
    }
    /^write\(/ {
        target = $0; sub(/^write\([0-9]+</, "", target); sub(/>.*/, "", target)
        kind = target ~ /^(pipe|socket|anon_inode):/ || device(target) ? "ok" : "bad"
        print kind "\twrite to " (target ~ /^anon_inode:/ ? target : target ~ /^(pipe|socket):/ ? substr(target, 1, index(target, ":") - 1) : target)
        next
    }
    /^(creat|rename|renameat|renameat2|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|truncate|ftruncate)\(/ {
        name = $0; sub(/\(.*/, "", name)
        print "bad\t" name " " path($0)
        next
    }
' "$log" | sort | uniq -c | sed -E 's/^ *([0-9]+) (ok|bad)\t/\2\t\1x /')

echo "Traced into $log ($(wc -l <"$log") lines). Seen:"
printf '%s\n' "$findings" | sed -E 's/^(ok|bad)\t/  \1  /'
if printf '%s\n' "$findings" | grep -q '^bad'; then
    echo "FAIL: the program used the network or wrote to a file (the lines marked bad)"
    exit 1
fi
echo "PASS: no network, no file written"
