#!/usr/bin/env bash
# End-to-end checks of the program folder and the two executables, run as a
# user without a display would run them.
#   program_folder.sh BIN_DIR
set -u
bin=$1
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; else echo "ok: $1"; fi; }

no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

check "designer --version needs no display" \
    '"${no_display[@]}" "$bin/designer" --version | grep -Eq "^designer .* [0-9]+\.[0-9]+\.[0-9]+$"'
check "zd740 --version needs no display" \
    '"${no_display[@]}" "$bin/zd740" --version | grep -Eq "^zd740 .* [0-9]+\.[0-9]+\.[0-9]+$"'
check "zd740 --help" '"$bin/zd740" --help | grep -q "Usage: zd740"'
check "zd740 refuses an unknown command with exit 2" \
    '"$bin/zd740" frobnicate 2>/dev/null; [ $? -eq 2 ]'
check "designer without a display says how to run it" \
    'out=$("${no_display[@]}" "$bin/designer" 2>&1); [ $? -ne 0 ] && grep -q "xvfb-run" <<<"$out"'
check "program folder has libdevroll.so" '[ -f "$bin/libdevroll.so" ]'
check "program folder has the sample catalogue" 'ls "$bin"/plcdrives/*.das >/dev/null 2>&1'
check "jump-support markers for the built-in models" '[ -f "$bin/lib/jumptopage2.zdl" ] && [ -f "$bin/lib/jumptopage20.zdl" ] && [ ! -e "$bin/lib/jumptopage0.zdl" ]'
for d in lang lib Devices plcdrives; do
    check "program folder has $d/" '[ -d "$bin/$d" ]'
done
check "language files are GBK" \
    'grep -q "$(printf "\xce\xc4\xb1\xbe\xb4\xae")" "$bin/lang/Lang001.dat"'
check "language files have Windows line breaks" \
    '[ "$(head -c 11 "$bin/lang/Lang003.dat" | od -An -c | tr -d " \n")" = "[CAPTION]\\r\\n" ]'
exit $fail
