#!/usr/bin/env bash
# velmar-cli export and xml: the file in the folder and its path, the text in
# UTF-8 or Windows-1251, failures with a message and nothing written.
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
declaration='<?xml version="1.0" encoding="windows-1251"?>'

mkdir "$work/out"
path=$("$cli" export "$data/salary_refund.json" "$work/out" --no-check) || fail "export"
case "$path" in
  "$work/out/NO_NDFL3_7710_7710_771234567890_"????????_*.xml) ;;
  *) fail "printed path: $path" ;;
esac
[ -f "$path" ] || fail "no file at the printed path"
[ "$(ls "$work/out" | wc -l)" -eq 1 ] || fail "more than the file in the folder: $(ls "$work/out")"
[ "$(head -c ${#declaration} "$path")" = "$declaration" ] || fail "declaration of the file"
iconv -f WINDOWS-1251 -t UTF-8 "$path" | grep -q 'Фамилия="ПЕТРОВ"' || fail "file is not Windows-1251"

# A relative folder still prints a full path.
(cd "$work" && "$cli" export "$data/estimated_income.json" out --no-check) > "$work/rel" || fail "export into a relative folder"
case "$(cat "$work/rel")" in
  /*/out/NO_NDFL4_5001_5001__*.xml) ;;
  *) fail "relative folder path: $(cat "$work/rel")" ;;
esac

"$cli" xml "$data/estimated_income.json" > "$work/utf8" || fail "xml"
[ "$(head -c ${#declaration} "$work/utf8")" = "$declaration" ] || fail "declaration of the text"
grep -q 'НаимОрг="ООО «КОНСУЛЬТАНТ»"' "$work/utf8" || fail "UTF-8 text: $(cat "$work/utf8")"
"$cli" xml "$data/estimated_income.json" --cp1251 > "$work/cp1251" || fail "xml --cp1251"
iconv -f WINDOWS-1251 -t UTF-8 "$work/cp1251" > "$work/back" || fail "--cp1251 is not Windows-1251"
cmp -s <(sed 's/ИдФайл="[^"]*"//' "$work/utf8") <(sed 's/ИдФайл="[^"]*"//' "$work/back") \
  || fail "--cp1251 differs from the UTF-8 text"

# Failures: a message on stderr, a non-zero status, nothing written.
"$cli" export "$data/salary_refund.json" "$work/missing" > "$work/stdout" 2> "$work/err" && fail "missing folder accepted"
[ ! -s "$work/stdout" ] || fail "a path printed for a missing folder"
sed 's/"InspectionCode": "7710"/"InspectionCode": "77\/10"/' "$data/salary_refund.json" > "$work/bad.json"
mkdir "$work/bad"
"$cli" export "$work/bad.json" "$work/bad" --no-check > "$work/stdout" 2> "$work/err"
[ $? -eq 1 ] || fail "bad tax-office code: status"
grep -qx 'Ошибка в выгрузке. Пожалуйста, свяжитесь с разработчиками через службу поддержки' "$work/err" \
  || fail "bad tax-office code: message $(cat "$work/err")"
[ -z "$(ls "$work/bad")" ] || fail "a file was written for a bad return"
[ ! -s "$work/stdout" ] || fail "output for a bad return"
"$cli" xml "$work/bad.json" > "$work/stdout" 2> /dev/null && fail "xml of a bad return succeeded"
[ ! -s "$work/stdout" ] || fail "xml printed text for a bad return"
"$cli" export "$data/salary_refund.json" 2> /dev/null && fail "export without a folder accepted"

[ $failures -eq 0 ] && echo "all export command checks passed"
exit $failures
