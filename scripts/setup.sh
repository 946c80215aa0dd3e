#!/usr/bin/env bash
# Installs everything the two builds and their tests need on a Debian 12 machine.
# Idempotent and quiet: it only speaks when something goes wrong.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libcurl4-openssl-dev libssl-dev openssl curl nlohmann-json3-dev libcpp-httplib-dev
    googletest libbenchmark-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
    wine wine32:i386 wine64
    xvfb xauth x11-utils xdotool imagemagick fonts-wqy-microhei fonts-wine locales
)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    if ! {
        dpkg --print-foreign-architectures | grep -qx i386 || sudo_if_needed dpkg --add-architecture i386
        sudo_if_needed apt-get update -qq
        sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    } >"$log" 2>&1; then
        cat "$log" >&2
        echo "setup: installing ${missing[*]} failed" >&2
        exit 1
    fi
fi

# The Windows tests run with the system code page 936, which Wine takes from the locale.
have_locale() { locale -a 2>/dev/null | grep -qix "$1"; }
have_locale zh_CN.gbk || sudo_if_needed localedef -i zh_CN -f GBK zh_CN.GBK
have_locale en_US.utf8 || sudo_if_needed localedef -i en_US -f UTF-8 en_US.UTF-8
exit 0
