#!/bin/sh
# Starts (start) or stops (stop) a TLS server on 127.0.0.1 whose certificate is self-signed,
# so that no client trusts it: tls-server.sh start|stop DIR. DIR receives `port`. The
# server itself is checked with curl -k before the tests run, so a refusal seen by a test
# is the certificate's and not a missing server's.
set -u
action=$1 dir=$2
case "$action" in
start)
    [ -f "$dir/pid" ] && kill "$(cat "$dir/pid")" 2>/dev/null
    rm -rf "$dir" && mkdir -p "$dir"
    if ! openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 \
            -addext subjectAltName=IP:127.0.0.1 -keyout "$dir/key.pem" -out "$dir/cert.pem" \
            >"$dir/out" 2>&1; then
        cat "$dir/out" >&2
        exit 1
    fi
    openssl s_server -accept 127.0.0.1:0 -cert "$dir/cert.pem" -key "$dir/key.pem" -www \
        >"$dir/out" 2>&1 </dev/null &
    echo $! >"$dir/pid"
    for _ in $(seq 100); do
        port=$(sed -n 's/^ACCEPT .*:\([0-9][0-9]*\)$/\1/p' "$dir/out" 2>/dev/null) && [ -n "$port" ] && break
        sleep 0.05
    done
    [ -n "${port:-}" ] || { cat "$dir/out" >&2; exit 1; }
    curl -ksf -o /dev/null "https://127.0.0.1:$port/" || { echo "tls-server: no answer on $port" >&2; exit 1; }
    echo "$port" >"$dir/port"
    echo "TLS server with an untrusted certificate on 127.0.0.1:$port"
    ;;
stop)
    [ -f "$dir/pid" ] && kill "$(cat "$dir/pid")" 2>/dev/null
    rm -f "$dir/pid"
    ;;
esac
