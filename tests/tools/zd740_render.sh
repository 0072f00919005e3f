#!/usr/bin/env bash
# zd740 render end to end, without a display: every screen of the example
# project becomes a 432 x 144 picture; bad requests fail with the right codes.
#   zd740_render.sh ZD740 DEMO.lzd
set -u
zd740=$1
demo=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }
# Width and height of a PNG from its IHDR chunk.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }

no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
check "render --all writes one picture per screen" \
    '"${no_display[@]}" "$zd740" render "$demo" --all -o "$out/demo.png" --lang 1 >/dev/null'
for n in 1 2 3; do
    check "screen $n is 432 x 144" '[ "$(png_size "$out/demo-$n.png")" = "432x144" ]'
done
check "the first screen is the default" \
    '"$zd740" render "$demo" -o "$out/first.bmp" >/dev/null && [ -s "$out/first.bmp" ]'
check "a missing screen fails" \
    '"$zd740" render "$demo" --screen 99 -o "$out/x.png" 2>/dev/null; [ $? -eq 1 ]'
check "a damaged project fails" \
    'head -c 100 "$demo" >"$out/cut.lzd"; "$zd740" render "$out/cut.lzd" -o "$out/x.png" 2>/dev/null; [ $? -eq 1 ]'
check "missing output is a usage error" '"$zd740" render "$demo" 2>/dev/null; [ $? -eq 2 ]'
exit $fail
