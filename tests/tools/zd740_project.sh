#!/usr/bin/env bash
# zd740 info and create as project authors use them: a project from JSON,
# its JSON form back, the same file again byte for byte; damaged files and
# bad JSON end with exit code 1 and a message naming the file.
#   zd740_project.sh ZD740 DEMO.lzd
set -u
tool=$1
demo=$2
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; else echo "ok: $1"; fi; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

cat > small.json <<'JSON'
{
    "PlcCode": 2,
    "FilePrefix": {"Language": 3},
    "Alarms": [{"AlarmRow": 1, "AlarmAddr1": 100, "AlarmText": "温度过高"}],
    "Jumps": [{"JumpValue": 5, "JumpTarget": 2}],
    "Screens": [
        {"ScreenNo": 1, "Description": "主画面",
         "Objects": [{"TypeCode": 411, "X": 8, "Y": 8, "ObjectId": "a"},
                     {"TypeCode": 412, "X": 40, "Y": 8, "KeyIndex": 3, "ObjectId": "b"}]},
        {"ScreenNo": 2}
    ]
}
JSON
check "create writes a project file" '"$tool" create small.json -o small.lzd && [ -s small.lzd ]'
check "the file ends with its length" \
    '[ "$(tail -c 8 small.lzd | od -An -tu8 | tr -d " ")" = "$(( $(stat -c %s small.lzd) - 8 ))" ]'
"$tool" info small.lzd --json > small2.json
check "info --json shows the stored fields under their names" \
    'grep -q "\"PlcCode\": 2," small2.json && grep -q "\"KeyIndex\": 3," small2.json &&
     grep -q "\"AlarmText\": \"温度过高\"" small2.json && grep -q "\"Description\": \"主画面\"" small2.json &&
     grep -q "\"Spare21\": \"0000000000000000000000\"" small2.json && grep -q "\"Language\": 3" small2.json'
check "create of info --json gives the same bytes" '"$tool" create small2.json -o again.lzd && cmp small.lzd again.lzd'
check "the example project survives the round trip" \
    '"$tool" info "$demo" --json > demo.json && "$tool" create demo.json -o demo.lzd && cmp "$demo" demo.lzd'
out=$("$tool" info small.lzd)
check "info without --json summarises" \
    'grep -q "PLC code 2; 2 screens, 2 objects; 1 alarms, 1 value jumps, 0 bit jumps" <<<"$out" &&
     grep -q "^Screen 1 \"主画面\": up 0, down 2, 2 objects: 1 lamp, 1 function key$" <<<"$out"'

head -c 200 small.lzd > cut.lzd
out=$("$tool" info cut.lzd 2>&1); rc=$?
check "a cut file is refused with its name" '[ $rc -eq 1 ] && grep -q "^zd740: cut.lzd: not a project file" <<<"$out"'
cp small.lzd badtype.lzd
at=$(LC_ALL=C grep -obUaP "\x9b\x01\x00\x00" badtype.lzd | head -1 | cut -d: -f1) # the lamp's type code 411
printf '\xe7\x03' | dd of=badtype.lzd bs=1 seek="$at" conv=notrunc status=none
out=$("$tool" info badtype.lzd 2>&1); rc=$?
check "an unknown object type is an error with its place" \
    '[ $rc -eq 1 ] && grep -q "^zd740: badtype.lzd: the project cannot be read: object 1 of screen 1 has the unknown type code 999 at byte" <<<"$out"'
out=$("$tool" info missing.lzd 2>&1); rc=$?
check "a missing file is an error" '[ $rc -eq 1 ] && grep -q "^zd740: missing.lzd: the file does not exist" <<<"$out"'

echo '{"Screens": [{"Objects": [{"TypeCode": 412, "KeyIndex": "left"}]}]}' > bad.json
out=$("$tool" create bad.json -o bad.lzd 2>&1); rc=$?
check "bad JSON is an error naming the field" \
    '[ $rc -eq 1 ] && grep -q "^zd740: bad.json: Screens\[0\].Objects\[0\]: .*KeyIndex" <<<"$out" && [ ! -e bad.lzd ]'
echo '{"PlcCode": 2,' > broken.json
check "broken JSON is an error with its place" \
    '"$tool" create broken.json -o b.lzd 2>&1 | grep -q "^zd740: broken.json: byte [0-9]*:"; [ ${PIPESTATUS[0]} -eq 1 ]'
check "a file that cannot be written is an error" \
    '! "$tool" create small.json -o nodir/x.lzd 2>/dev/null && [ ! -e nodir ]'
check "usage errors exit with 2" \
    '"$tool" info 2>/dev/null; [ $? -eq 2 ] && { "$tool" create small.json 2>/dev/null; [ $? -eq 2 ]; } &&
     { "$tool" info small.lzd --yaml 2>/dev/null; [ $? -eq 2 ]; }'
exit $fail
