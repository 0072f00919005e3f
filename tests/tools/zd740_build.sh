#!/usr/bin/env bash
# zd740 build end to end on the example project: the image is written and its
# size reported against the panel's limit; bad input writes no file.
#   zd740_build.sh ZD740 DEMO.lzd
set -u
zd740=$1
demo=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }

check "build writes the image" '"$zd740" build "$demo" -o "$out/demo.bin" >"$out/report.txt"'
check "the report gives the size against the limit" \
    'grep -q "^image: $(stat -c %s "$out/demo.bin") of 45056 bytes$" "$out/report.txt"'
check "the report lists every screen section" '[ "$(grep -c "^screen [0-9]*: [0-9]* bytes at 0x" "$out/report.txt")" = 3 ]'
check "the image starts with its head" '[ "$(head -c 2 "$out/demo.bin" | od -An -tx1 | tr -d " ")" = ffff ]'
check "--hex prints the bytes, 100 a line" \
    '"$zd740" build "$demo" --hex | grep -E "^( [0-9A-F]{2}){100}$" >/dev/null'
check "a damaged project fails and writes nothing" \
    'head -c 100 "$demo" >"$out/cut.lzd"; "$zd740" build "$out/cut.lzd" -o "$out/cut.bin" 2>/dev/null; [ $? -eq 1 ] && [ ! -e "$out/cut.bin" ]'
check "no output is a usage error" '"$zd740" build "$demo" 2>/dev/null; [ $? -eq 2 ]'
exit $fail
