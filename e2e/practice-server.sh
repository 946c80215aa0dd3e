#!/bin/sh
# Starts (start) or stops (stop) the native practice push interface for a Windows test run:
# practice-server.sh start|stop PROGRAM DIR. DIR receives `address` (the interface's
# address) and `record.jsonl` (every request it received).
set -u
action=$1 program=$2 dir=$3
case "$action" in
start)
    [ -f "$dir/pid" ] && kill "$(cat "$dir/pid")" 2>/dev/null
    rm -rf "$dir" && mkdir -p "$dir"
    if [ ! -x "$program" ]; then
        echo "practice-server: $program is missing; build the native preset first" >&2
        exit 1
    fi
    "$program" --port 0 --quota 100000000 --record "$dir/record.jsonl" >"$dir/out" 2>&1 </dev/null &
    echo $! >"$dir/pid"
    for _ in $(seq 100); do
        address=$(grep -o 'http://[^ ]*' "$dir/out" 2>/dev/null) && break
        sleep 0.05
    done
    [ -n "${address:-}" ] || { cat "$dir/out" >&2; exit 1; }
    echo "$address" >"$dir/address"
    echo "practice interface ready: $address"
    ;;
stop)
    [ -f "$dir/pid" ] && kill "$(cat "$dir/pid")" 2>/dev/null
    rm -f "$dir/pid"
    ;;
esac
