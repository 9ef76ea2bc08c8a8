#!/usr/bin/env bash
# velmar-cli compute: the summaries as JSON, the write-back, errors.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Salary 600 000 with 78 000 withheld; education of a child 70 000 (lowered to
# 50 000) and treatment 30 000: base 520 000, tax 67 600, 10 400 back.
cat > "$work/r.json" <<'JSON'
{"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
 "Social":{"Granted":1,"ChildEducation":["70000"],"Medical":"30000"},
 "Sources13":[{"SourceName":"ООО","SourceOKTMO":"40300000","TaxWithheld":"78000",
   "Incomes":[{"IncomeCode":2000,"IncomeAmount":"600000","Month":12}]}]}
JSON

"$cli" compute "$work/r.json" > "$work/out.json" || fail "compute of a JSON return"
tr -d ' \n' < "$work/out.json" > "$work/flat.json"
grep -q '"List1":{"Rate":"13","TotalIncome":"600000","ExemptIncome":"0","Deductions":"80000","TaxableIncome":"600000"' "$work/flat.json" \
    || fail "List1 of the output"
grep -q '"ToRefund":"10400"' "$work/flat.json" || fail "refund"
grep -q '"List6":{"Lines":\[{"Kbk":"18210102010011000110","Oktmo":"40300000","Sign":"2","Amount":"10400"}\]}' "$work/flat.json" \
    || fail "section 1 lines"
grep -q '"Result":true}$' "$work/flat.json" || fail "Result"
for key in List1 List2 List3 List4 List5 List6 PrilA9 PrilA13 PrilA15 PrilA30 PrilA35 PrilB13 PrilB9 PrilB35 \
           PrilV1 PrilM PrilG PrilG_In PrilE1 PrilE2 PrilE3 PrilH1 PrilZ PrilJ PrilI; do
    grep -q "\"$key\":{" "$work/flat.json" || fail "member $key missing"
done

# The write-back keeps what the computation changed in the return.
"$cli" compute "$work/r.json" --write-back "$work/w.vx5" > /dev/null || fail "compute with write-back"
"$cli" json "$work/w.vx5" | tr -d ' \n' | grep -q '"ChildEducation":\["50000"\]' || fail "lowered education not written back"
"$cli" compute "$work/w.vx5" | tr -d ' \n' | cmp -s - "$work/flat.json" || fail "the written-back return computes differently"

# Errors: one line, non-zero status, nothing written.
echo '{"IncomeKinds":1,"Sources13":[{"Incomes":[{"IncomeAmount":"x"}]}]}' > "$work/bad.json"
"$cli" compute "$work/bad.json" --write-back "$work/bad.vx5" > "$work/out" 2> "$work/err" && fail "bad return accepted"
[ ! -e "$work/bad.vx5" ] || fail "a file was written for a bad return"
[ ! -s "$work/out" ] || fail "output for a bad return"
[ "$(wc -l < "$work/err")" -eq 1 ] || fail "error is not one line"
"$cli" compute 2>/dev/null; [ $? -eq 2 ] || fail "missing argument status"
"$cli" compute "$work/r.json" --write-back 2>/dev/null; [ $? -eq 2 ] || fail "write-back without a file"

if [ $failures -eq 0 ]; then echo "cli compute: all passed"; fi
exit $failures
