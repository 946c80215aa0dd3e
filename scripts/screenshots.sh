#!/usr/bin/env bash
# Builds both programs and photographs their windows into screenshots/: the Linux program
# under Xvfb, and the Windows program under Wine with code page 936 (zh_CN.GBK) and once
# with a UTF-8 locale, where its Chinese texts must still show correctly, each also with the
# message box of an empty URL list up.
# The build folders can be moved with URLPUSH_BUILD_ROOT (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${URLPUSH_BUILD_ROOT:-$root/build}
out=$root/screenshots
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for prefix in "$work"/prefix-*; do
        [ -d "$prefix" ] && cmake/wine-session.sh stop /usr/lib/wine/wine64 "$prefix" >/dev/null 2>&1
    done
    rm -rf "$work"
}
trap cleanup EXIT

address='http://push.example/urls?site=www.example.com&token=demo'

# --- Linux, under its own Xvfb display.
cmake --preset native -B "$build/native" >/dev/null
cmake --build "$build/native" --target urlpush >/dev/null
mkdir -p "$work/linux"
cp "$build/native/bin/urlpush" "$work/linux/"
printf '[Config]\r\nurl=%s\r\n' "$address" >"$work/linux/Config.ini"
fifo=$work/displayfd
mkfifo "$fifo"
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
pids+=($!)
read -r display <"$fifo"
DISPLAY=:$display "$work/linux/urlpush" >/dev/null 2>&1 &
pids+=($!)
sleep 4
import -display ":$display" -window root "$out/linux.png"
echo "screenshots/linux.png"

# --- Windows, the 64-bit build (the 32-bit one needs a kernel that runs 32-bit processes).
cmake --preset windows-x64 -B "$build/windows-x64" >/dev/null
cmake --build "$build/windows-x64" --target urlpush >/dev/null
# There is no window manager on the display, so Wine draws the frames itself; Wine's own
# Tahoma and Marlett (caption buttons) go into the prefix, and Tahoma is linked to a
# Chinese font, as Windows links its interface font whatever the system's code page.
prepare_prefix() {
    local prefix=$1
    URLPUSH_WINE_LC_ALL=$2 cmake/wine-run.sh /usr/lib/wine/wine64 "$prefix" reg add \
        'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    local face
    for face in Tahoma 'Tahoma Bold' 'Microsoft Sans Serif' 'MS Sans Serif'; do
        URLPUSH_WINE_LC_ALL=$2 cmake/wine-run.sh /usr/lib/wine/wine64 "$prefix" reg add \
            'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    cp /usr/share/wine/fonts/{tahoma,tahomabd,marlett}.ttf "$prefix/drive_c/windows/Fonts/"
}

for locale in zh_CN.GBK en_US.UTF-8; do
    prefix=$work/prefix-$locale
    LC_ALL=$locale cmake/wine-session.sh start /usr/lib/wine/wine64 "$prefix" >/dev/null
    prepare_prefix "$prefix" "$locale"
    mkdir -p "$work/win-$locale"
    cp "$build/windows-x64/bin/urlpush.exe" "$work/win-$locale/"
    printf '[Config]\r\nurl=%s\r\n' "$address" >"$work/win-$locale/Config.ini"
    URLPUSH_WINE_LC_ALL=$locale cmake/wine-run.sh /usr/lib/wine/wine64 "$prefix" \
        "$work/win-$locale/urlpush.exe" >/dev/null 2>&1 &
    pids+=($!)
    sleep 8
    display=$(cat "$prefix.display")
    import -display "$display" -window root "$out/windows-$locale.png"
    echo "screenshots/windows-$locale.png"

    # Tab, Tab and Space press the Submit button with the URL box empty: the message box
    # comes up, skinned like the window.
    window=$(DISPLAY=$display xdotool search --name 'Tavrelo' | head -1)
    DISPLAY=$display xdotool windowfocus --sync "$window" key Tab Tab space
    sleep 3
    import -display "$display" -window root "$out/windows-$locale-message.png"
    echo "screenshots/windows-$locale-message.png"
done
