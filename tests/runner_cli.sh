#!/usr/bin/env bash
# The runner as users call it: golden output, exit codes, streams.
set -u
run=$1
fail=0
check() {  # name, expected exit code, expect stdout empty (yes/no), command...
  local name=$1 code=$2 quiet=$3; shift 3
  "$@" >"$tmp/out" 2>"$tmp/err"
  local status=$?
  if [ "$status" -ne "$code" ]; then echo "FAIL $name: exit $status, wanted $code"; fail=1; fi
  if [ "$quiet" = yes ] && [ -s "$tmp/out" ]; then echo "FAIL $name: wrote to stdout"; fail=1; fi
}
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

check golden 0 no "$run" --seed 45296789 --minimum 0.5
printf '1 : 670\n2 : 114\n3 : 28\n4 : 6\n5 : 3\n6 : 0\nNormal End of Job\n' | cmp -s - "$tmp/out" \
  || { echo "FAIL golden output"; fail=1; }
[ -s "$tmp/err" ] && { echo "FAIL golden: wrote to stderr"; fail=1; }

for bad in "--bogus" "--seed" "--seed x" "--seed 4294967296" "--rounds 0" "--rounds 1000001" \
           "--minimum 1.5" "--minimum 0.5x" "--lifetime=1" "extra"; do
  # shellcheck disable=SC2086
  check "bad: $bad" 2 yes "$run" $bad
  [ "$(grep -c 'usage: vorendal-run' "$tmp/err")" -eq 1 ] || { echo "FAIL $bad: no usage"; fail=1; }
  [ "$(head -n1 "$tmp/err" | grep -c '^vorendal-run: ')" -eq 1 ] || { echo "FAIL $bad: no reason"; fail=1; }
done

check help 0 no "$run" --help
grep -q '^usage: vorendal-run' "$tmp/out" || { echo "FAIL help: no usage"; fail=1; }

check clock 0 no "$run" --rounds 3
seed=$(sed -n 's/^seed: \([0-9]*\)$/\1/p' "$tmp/err")
[ -n "$seed" ] || { echo "FAIL clock: no seed on stderr"; fail=1; }
cp "$tmp/out" "$tmp/clock_out"
check replay 0 no "$run" --rounds 3 --seed "$seed"
cmp -s "$tmp/out" "$tmp/clock_out" || { echo "FAIL replay: the reported seed does not reproduce"; fail=1; }

check map 0 no "$run" --seed 7 --rounds 2 --map
[ "$(tail -n 50 "$tmp/out" | grep -cE '^[.12]{50}$')" -eq 50 ] || { echo "FAIL map lines"; fail=1; }

check csv 0 no "$run" --seed 7 --rounds 4 --lifetime --csv
head -n1 "$tmp/out" | grep -qx 'round,sought,moved,mean_similarity,content_share' || { echo "FAIL csv header"; fail=1; }
[ "$(grep -cE '^[0-9]+,[0-9]+,[0-9]+,[01]\.[0-9]{6},[01]\.[0-9]{6}$' "$tmp/out")" -eq 4 ] || { echo "FAIL csv rows"; fail=1; }

[ $fail -eq 0 ] && echo "runner command line: all checks passed"
exit $fail
