#!/usr/bin/env bash
# Pushes 1,000,000 URLs (500 batches) through the Submit command to the practice interface,
# then posts the same 500 batches with curl one after another, and compares.
#   bench/push_bench.sh [COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1000000}
build=${URLPUSH_BUILD:-build/native}  # another configured native build directory may be named
[ "$build" = build/native ] && cmake --preset native >/dev/null
cmake --build "$build" --target push_bench practice_push >/dev/null

work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
"$build"/tools/practice_push/practice_push --port 0 --quota 100000000 >"$work/server.out" &
server=$!
for _ in $(seq 50); do grep -q 'http://' "$work/server.out" 2>/dev/null && break; sleep 0.1; done
address=$(grep -o 'http://[^ ]*' "$work/server.out")

echo "== the Submit command"
"$build"/bench/push_bench "$address" "$count" | tee "$work/program.out"

echo "== curl, the same batches one after another"
awk -v n="$count" -v dir="$work" 'BEGIN {
    for (i = 1; i <= n; i++) {
        file = dir "/batch" int((i - 1) / 2000) ".txt"
        printf "http://www.example.com/p/%d.html\r\n", i > file
        if (i % 2000 == 0 || i == n) close(file)
    }
}'
: >"$work/curl.cfg"
for f in $(ls "$work"/batch*.txt | sort -V); do
    [ -s "$work/curl.cfg" ] && echo next >>"$work/curl.cfg"
    printf 'url = "%s"\ndata-binary = "@%s"\nheader = "Expect:"\nheader = "Connection: close"\noutput = "/dev/null"\n' "$address" "$f" >>"$work/curl.cfg"
done
start=$(date +%s.%N)
curl -s -K "$work/curl.cfg"
end=$(date +%s.%N)
curl_seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
echo "curl_seconds=$curl_seconds"

program_seconds=$(grep -o 'seconds=[0-9.]*' "$work/program.out" | head -1 | cut -d= -f2)
list_bytes=$(grep -o 'list_bytes=[0-9]*' "$work/program.out" | cut -d= -f2)
peak_kib=$(grep -o '^peak_kib=[0-9]*' "$work/program.out" | cut -d= -f2)
awk -v p="$program_seconds" -v c="$curl_seconds" -v k="$peak_kib" -v l="$list_bytes" \
    'BEGIN { printf "ratio_program_to_curl=%.2f\npeak_memory_to_list=%.2f\n", p / c, k * 1024 / l }'
