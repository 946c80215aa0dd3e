#!/bin/sh
# Runs one Windows program under Wine: wine-run.sh LOADER PREFIX PROGRAM [ARGS...].
# The prefix and the X display are the ones wine-session.sh made for this test run; the
# system code page is 936 unless the caller chose another locale.
loader=$1 prefix=$2
shift 2
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL="${URLPUSH_WINE_LC_ALL:-zh_CN.GBK}"
[ -f "$prefix.display" ] && DISPLAY=$(cat "$prefix.display") && export DISPLAY
exec "$loader" "$@"
