#!/usr/bin/env bash
# kor convert and kor validate on fixtures made by korsim: exit codes 0 (all passed), 1 (a check
# failed) and 2 (a file could not be read).
set -euo pipefail
korsim=$1
kor=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() {
    local want=$1
    shift
    local status=0
    "$@" >"$work/out" 2>&1 || status=$?
    [ "$status" -eq "$want" ] || { echo "expected $want, got $status: $*"; cat "$work/out"; exit 1; }
}

log=$("$korsim" make-log -o "$work" --seed 3 --fixes 200)
[ "$(basename "$log")" = 3C5Q0YA1.KOR ]
expect 0 "$kor" validate "$log"
grep -q ': OK$' "$work/out"

expect 0 "$kor" convert "$log" -o "$work"
grep -q '3C5Q0YA1.IGC  security: OK' "$work/out"
expect 1 "$kor" validate "$work/3C5Q0YA1.IGC"
grep -q 'Security Violation Reported' "$work/out"

expect 0 "$korsim" sign-igc "$work/3C5Q0YA1.IGC" -o "$work/signed.igc" --key-index 321
expect 1 "$korsim" sign-igc "$work/3C5Q0YA1.IGC" -o "$work/signed.igc"
expect 0 "$kor" validate "$work/signed.igc" "$log"
grep -q '  Security OK' "$work/out"

# One changed fix byte.
cp "$log" "$work/damaged.kor"
printf '\x00' | dd of="$work/damaged.kor" bs=1 seek=200 conv=notrunc status=none
expect 1 "$kor" validate "$work/damaged.kor" "$work/signed.igc"
expect 1 "$kor" convert "$work/damaged.kor"
grep -q 'security: FAILED' "$work/out"
expect 2 "$kor" validate "$work/signed.igc" "$work/missing.kor"
expect 2 "$kor" convert "$work/missing.kor"
echo "cli_logfiles: ok"
