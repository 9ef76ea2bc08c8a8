#!/usr/bin/env bash
# velmar-cli check: the first problem and its exit status, --all, a passing return.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cat > "$work/good.json" <<'JSON'
{"InspectionCode":"7701","IncomeKinds":1,
 "Person":{"Surname":"Иванов","FirstName":"Иван","INN":"770100000079","RegionCode":77,"Street":"Тверская","OKTMO":"45382000"},
 "Sources13":[{"SourceName":"ООО","SourceOKTMO":"45382000","TaxWithheld":"1300",
   "Incomes":[{"IncomeCode":2000,"IncomeAmount":"10000","Month":1}]}]}
JSON
"$cli" check "$work/good.json" > "$work/out" || fail "a good return does not pass: $(cat "$work/out")"
[ ! -s "$work/out" ] || fail "a passing check printed something"

sed -e 's/"Surname":"Иванов",//' -e 's/"RegionCode":77,//' "$work/good.json" > "$work/bad.json"
"$cli" check "$work/bad.json" > "$work/out"
[ $? -eq 1 ] || fail "a problem must exit 1"
[ "$(cat "$work/out")" = "2 1: Не введена фамилия" ] || fail "first problem: $(cat "$work/out")"

"$cli" check --all "$work/bad.json" > "$work/out"
[ $? -eq 1 ] || fail "--all with problems must exit 1"
[ "$(wc -l < "$work/out")" -eq 2 ] || fail "--all lists: $(cat "$work/out")"
grep -qx "3 2: Не указан регион постоянного местожительства" "$work/out" || fail "--all misses the region"

# Export runs the check first and writes nothing for a return with a problem.
mkdir "$work/xml"
"$cli" export "$work/bad.json" "$work/xml" > "$work/stdout" 2> "$work/err"
[ $? -eq 1 ] || fail "export of a return with a problem must fail"
[ "$(cat "$work/err")" = "2 1: Не введена фамилия" ] || fail "export check message: $(cat "$work/err")"
[ -z "$(ls "$work/xml")" ] || fail "export wrote a file for a return with a problem"
"$cli" export "$work/good.json" "$work/xml" > "$work/stdout" || fail "export of a good return"
[ -f "$(cat "$work/stdout")" ] || fail "export did not print the file it wrote"

if [ $failures -eq 0 ]; then echo "cli check command: all passed"; fi
exit $failures
