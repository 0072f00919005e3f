#!/usr/bin/env bash
# devroll-tool as catalogue authors use it: make a model from JSON, dump it
# back, list a folder with good, unreadable and damaged files.
#   devroll_tool.sh DEVROLL_TOOL BIN_DIR
set -u
tool=$1
bin=$2
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; else echo "ok: $1"; fi; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

cat > model.json <<'JSON'
{
    "Captions": ["测试机", "測試機", "Test unit"],
    "PlcID": 25, "PlcIndex": 7, "BaudRate": 19200, "StationRadix": 1,
    "History": {"Version": 1.25, "Editor": "王", "Notes": ""},
    "BitTypes": [
        {"Name": "X", "AddrFormat": 5, "PackMode": 2, "FactorA": 8, "FactorB": 8,
         "Parts": [{"MaxValue": 511, "Radix": 2}, {"Editable": 1, "Visible": 1, "MaxValue": 7}],
         "ForLamp": 1, "ForKey": 0, "ForAlarm": 2}
    ],
    "WordTypes": [{"Name": "D", "ValueMin": -2147483649, "ValueMax": 1099511627776, "FactorA": 0.1}]
}
JSON
check "make writes a catalogue file" '"$tool" make model.json -o m25.das && [ -s m25.das ]'
"$tool" dump m25.das > dump1.json
check "dump shows the fields under their names" \
    'grep -q "\"PlcID\": 25," dump1.json && grep -q "\"PlcIndex\": 7," dump1.json &&
     grep -q "\"ForAlarm\": 2," dump1.json && grep -q "\"ValueMin\": -2147483649," dump1.json &&
     grep -q "\"ValueMax\": 1099511627776," dump1.json && grep -q "\"FactorA\": 0.1," dump1.json &&
     grep -q "\"DriveFile\": \"m25\"" dump1.json'
check "dump turns GBK texts into UTF-8" 'grep -q "\"测试机\"" dump1.json && grep -q "\"Editor\": \"王\"" dump1.json'
check "fields left out take the defaults of a new record" \
    'grep -q "\"Password\": \"7364\"" dump1.json && grep -q "\"StationMax\": 255," dump1.json &&
     grep -q "\"SpareTable\": \"000102" dump1.json && grep -q "\"AlarmMaxRows\": 200," dump1.json'
check "dump and make round-trip every stored field" \
    '"$tool" make dump1.json -o again.das && "$tool" dump again.das > dump2.json &&
     diff <(grep -v -e EditTime -e DriveFile dump1.json) <(grep -v -e EditTime -e DriveFile dump2.json)'

echo '{"BitTypes": [{"Parts": [{}, {"MaxValue": -1}]}]}' > bad.json
out=$("$tool" make bad.json -o bad.das 2>&1); rc=$?
check "bad JSON is an error naming the field" \
    '[ $rc -eq 1 ] && grep -q "bad.json: BitTypes\[0\].Parts\[1\].MaxValue: -1 is outside 0 to 4294967295" <<<"$out" && [ ! -e bad.das ]'
echo '{"PlcID": 25,' > broken.json
check "broken JSON is an error with its place" \
    '"$tool" make broken.json -o b.das 2>&1 | grep -q "broken.json: byte [0-9]*:"; [ ${PIPESTATUS[0]} -eq 1 ]'
check "dump of a missing file fails" '! "$tool" dump nothing.das 2>/dev/null'
check "usage errors exit with 2" \
    '"$tool" 2>/dev/null; [ $? -eq 2 ] && { "$tool" make model.json 2>/dev/null; [ $? -eq 2 ]; }'

mkdir -p prog/plcdrives
cp m25.das prog/plcdrives/
printf '{"Captions": ["乙", "乙", "B"], "PlcID": 26, "PlcIndex": 0}' > b.json
"$tool" make b.json -o prog/plcdrives/b26.das
printf '\x07\x00\x00\x00' > prog/plcdrives/unread.das
{ printf '\x64\x00\x00\x00'; head -c 102 /dev/zero; printf '\xff\xff\xff\xff'; } > prog/plcdrives/damaged.das
out=$(ZD740_PROGRAM_FOLDER="$work/prog" "$tool" list); rc=$?
check "list shows records at their option indexes" \
    'grep -Eq "^ +7 +25 +m25.das +测试机 / Test unit$" <<<"$out" && grep -Eq "^ +0 +26 +b26.das" <<<"$out"'
check "list shows the built-in codes around them" \
    'grep -Eq "^ +1 +2 +\(built in\)$" <<<"$out" && grep -Eq "^ +6 +7 +\(built in\)$" <<<"$out" &&
     grep -Eq "^ +8 +8 +\(built in\)$" <<<"$out" && grep -Eq "^ +1197 +0 " <<<"$out" && grep -Eq "^ +1198 +125 " <<<"$out"'
check "list warns about a file it could not read and keeps it" \
    'grep -q "^warning: .*unread.das: byte 0, filler count F1" <<<"$out" && grep -Eq "^ +-1 +0 +unread.das +Unknow PLC$" <<<"$out"'
check "list names the damaged file and the place, and exits with 1" \
    '[ $rc -eq 1 ] && grep -q "^left out: .*damaged.das: byte 106, filler count F2: damaged" <<<"$out"'

out=$("$tool" list "$bin/plcdrives"); rc=$?
check "the program folder's sample models all load" \
    '[ $rc -eq 0 ] && [ $(grep -c "\.das " <<<"$out") -ge 5 ] && ! grep -q -e "^warning" -e "^left out" <<<"$out"'
exit $fail
