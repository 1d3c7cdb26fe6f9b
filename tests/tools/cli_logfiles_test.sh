#!/usr/bin/env bash
# kor convert and kor validate on fixtures made by korsim: exit codes 0 (all passed), 1 (a check
# failed), 2 (a file could not be read) and 3 (an IGC file that is not checked: converted, or
# not signed by this recorder family).
set -euo pipefail
korsim=$1
kor=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "$*"; cat "$work/out"; exit 1; }

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
# A converted file carries a dummy record on purpose: it is not a failed check.
expect 3 "$kor" validate "$work/3C5Q0YA1.IGC"
grep -q '3C5Q0YA1.IGC: converted: check its .KOR$' "$work/out"
if grep -q 'FAILED' "$work/out"; then fail "a converted file reported as failed"; fi
expect 0 "$kor" convert "$log" -o "$work/new/folder"
[ -f "$work/new/folder/3C5Q0YA1.IGC" ]

expect 0 "$korsim" sign-igc "$work/3C5Q0YA1.IGC" -o "$work/signed.igc" --key-index 321
expect 1 "$korsim" sign-igc "$work/3C5Q0YA1.IGC" -o "$work/signed.igc"
grep -q '^HFRHWHARDWAREVERSION: Strata 2.05 ' "$work/signed.igc"
expect 0 "$kor" validate "$work/signed.igc" "$log"
grep -q '  Security OK' "$work/out"

# Another maker's signed file is not this recorder family's to check; with a failure beside it
# the failure decides the exit code.
sed -e 's/^AZRV/AXYZ/' -e 's/^HFRHWHARDWAREVERSION: Strata 2.05/HFRHWHARDWAREVERSION: 1.2/' \
    "$work/signed.igc" >"$work/other-maker.igc"
expect 3 "$kor" validate "$work/other-maker.igc" "$log"
grep -q 'other-maker.igc: not signed by this recorder family, not checked$' "$work/out"
if grep -q 'FAILED\|Violation' "$work/out"; then fail "another maker's file reported as failed"; fi
# One character of the first fix changed.
sed '0,/^B/s/^B\(.......\)./B\1#/' "$work/signed.igc" >"$work/changed.igc"
expect 1 "$kor" validate "$work/other-maker.igc" "$work/changed.igc"
grep -q 'changed.igc: FAILED' "$work/out"

# libcrypto is loaded only when a signature is checked.
LD_DEBUG=libs "$kor" validate "$log" "$work/3C5Q0YA1.IGC" >"$work/out" 2>&1 || true
if grep -q 'libcrypto' "$work/out"; then fail "libcrypto loaded without a signature to check"; fi
LD_DEBUG=libs "$kor" validate "$work/signed.igc" >"$work/out" 2>&1
grep -q 'libcrypto' "$work/out"

# One changed fix byte.
cp "$log" "$work/damaged.kor"
printf '\x00' | dd of="$work/damaged.kor" bs=1 seek=200 conv=notrunc status=none
expect 1 "$kor" validate "$work/damaged.kor" "$work/signed.igc"
expect 1 "$kor" convert "$work/damaged.kor"
grep -q 'security: FAILED' "$work/out"
expect 2 "$kor" validate "$work/signed.igc" "$work/missing.kor"
expect 2 "$kor" convert "$work/missing.kor"
echo "cli_logfiles: ok"
