#!/usr/bin/env bash
# velmar-cli json and save: round trips, error lines and exit codes, nothing half-written.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cat > "$work/r.json" <<'JSON'
{"IncomeKinds":1,"SigningDate":"01.02.2016","Person":{"Surname":"Иванов"},
 "Sources13":[{"SourceName":"ООО","Incomes":[{"IncomeCode":2000,"IncomeAmount":"100.5","Month":3}]}]}
JSON

"$cli" save "$work/r.json" "$work/a.vx5" || fail "save from JSON"
"$cli" json "$work/a.vx5" > "$work/a.json" || fail "json of a container"
"$cli" save "$work/a.json" "$work/b.vx5" || fail "save from printed JSON"
cmp -s "$work/a.vx5" "$work/b.vx5" || fail "json then save is not byte-identical"
grep -q '"Surname": "Иванов"' "$work/a.json" || fail "UTF-8 text in JSON"
"$cli" save "$work/a.vx5" "$work/c.vx5" || fail "save from a container"
cmp -s "$work/a.vx5" "$work/c.vx5" || fail "container to container is not identical"

# Errors: one line on stderr, non-zero status, no output file.
echo '{"IncomeKinds":1,"Sources13":[{"Incomes":[{"IncomeAmount":"12,5x"}]}]}' > "$work/bad.json"
"$cli" save "$work/bad.json" "$work/bad.vx5" 2> "$work/err"
status=$?
[ $status -ne 0 ] || fail "bad JSON accepted"
[ ! -e "$work/bad.vx5" ] || fail "a file was written for bad JSON"
grep -qx 'Sources13\[0\].Incomes\[0\].IncomeAmount: not an amount: "12,5x"' "$work/err" || fail "JSON error line: $(cat "$work/err")"

printf 'XLSG garbage' > "$work/damaged.vx5"
"$cli" json "$work/damaged.vx5" > /dev/null 2> "$work/err" && fail "damaged file accepted"
grep -qx 'Неправильный формат файла декларации, возможно он поврежден.' "$work/err" || fail "damaged message: $(cat "$work/err")"
[ "$(wc -l < "$work/err")" -eq 1 ] || fail "error is not one line"

"$cli" json "$work/none.vx5" > /dev/null 2> "$work/err" && fail "missing file accepted"
grep -q "Ошибка чтения файла: $work/none.vx5" "$work/err" || fail "missing-file message: $(cat "$work/err")"

# A failed save leaves the old file as it was.
cp "$work/a.vx5" "$work/keep.vx5"
echo '{"Person":{"Surname":"日本"}}' > "$work/nocp.json"
"$cli" save "$work/nocp.json" "$work/keep.vx5" 2> "$work/err" && fail "text outside Windows-1251 accepted"
grep -q "Person.Surname" "$work/err" || fail "unsavable text does not name the field: $(cat "$work/err")"
cmp -s "$work/a.vx5" "$work/keep.vx5" || fail "the old file was damaged by a failed save"

"$cli" frobnicate 2>/dev/null; [ $? -eq 2 ] || fail "unknown command status"
"$cli" json 2>/dev/null; [ $? -eq 2 ] || fail "missing argument status"

if [ $failures -eq 0 ]; then echo "cli model commands: all passed"; fi
exit $failures
