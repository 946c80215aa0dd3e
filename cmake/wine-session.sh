#!/bin/sh
# Makes (start) or ends (stop) one Wine session for a test run: a fresh prefix, a
# persistent wineserver so that each test program starts quickly, and an Xvfb display
# for the window tests. Usage: wine-session.sh start|stop LOADER PREFIX
set -u
action=$1 loader=$2 prefix=$3
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
server=wineserver
case "$loader" in *wine64) server=/usr/lib/wine/wineserver64 ;; esac
[ -x "$server" ] || server=wineserver

stop() {
    [ -d "$prefix" ] && "$server" -k 2>/dev/null
    if [ -f "$prefix.xvfb.pid" ]; then
        kill "$(cat "$prefix.xvfb.pid")" 2>/dev/null
        rm -f "$prefix.xvfb.pid"
    fi
    rm -f "$prefix.display"
}

case "$action" in
start)
    stop
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    # Xvfb picks a free display and writes its number to the pipe. It comes first, so that
    # the prefix's desktop is made on it (a desktop made without a display refuses windows
    # later), and in a session of its own, so that it outlives this script under CTest.
    fifo="$prefix.displayfd"
    rm -f "$fifo" && mkfifo "$fifo"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    echo $! >"$prefix.xvfb.pid"
    read -r display <"$fifo"
    rm -f "$fifo"
    echo ":$display" >"$prefix.display"
    export DISPLAY=":$display"
    if ! "$loader" wineboot -i >"$prefix.boot.log" 2>&1; then
        cat "$prefix.boot.log" >&2
        echo "wine-session: wineboot failed for $prefix" >&2
        exit 1
    fi
    "$server" -p >/dev/null 2>&1 </dev/null
    echo "wine session ready: prefix $prefix, display :$display"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: wine-session.sh start|stop LOADER PREFIX" >&2
    exit 2
    ;;
esac
