#!/usr/bin/env bash
# The command-line tool against the simulator program: connecting, a device that does not exist,
# the port listing, the identity, changing the configuration, and GPS off.
set -euo pipefail
korsim=$1
kor=$2
work=$(mktemp -d)
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT

"$korsim" --env-file "$work/env" >"$work/korsim.out" &
sim=$!
for _ in $(seq 100); do [ -s "$work/env" ] && break; sleep 0.05; done
grep -q '^korsim: listening on /dev/pts/' "$work/korsim.out"
set -a; . "$work/env"; set +a

# Runs kor, expecting exit code $1; its output goes to $work/out.
expect() {
    local want=$1; shift
    local status=0
    "$kor" "$@" >"$work/out" 2>&1 || status=$?
    if [ "$status" -ne "$want" ]; then
        echo "kor $*: expected exit code $want, got $status"; cat "$work/out"; exit 1
    fi
}

expect 0 --trace "$work/trace" connect
grep -q '^Connected to recorder on COM1' "$work/out"
grep -q 'TX   4800  03' "$work/trace"

expect 2 --device /dev/korlink-missing --port 2 connect
grep -q 'Invalid communications port ID' "$work/out"

expect 0 ports
grep -q '^COM1 .*recorder answers' "$work/out"

expect 0 info
grep -q '^Recorder id      Q0YA (serial 1234)' "$work/out"

expect 0 list -o "$work/flights"
grep -q '^ 3  2003-12-05' "$work/out"
expect 0 download 3 -o "$work/flights"
grep -q "written to $work/flights/3C5Q0YA1.KOR  security: OK" "$work/out"
expect 0 download --new -o "$work/flights"
[ "$(ls "$work/flights" | wc -l)" -eq 3 ] || { ls "$work/flights"; exit 1; }
expect 6 download --date 17.04 -o "$work/flights"

# The recorder holds flights: nothing changes without --yes.
expect 3 config set --glider LS8
grep -q 'destroy the 3 log(s)' "$work/out"
expect 0 config set --glider LS8 --pilot "Anna Berg" --yes
expect 0 config
grep -q '^Glider           LS8$' "$work/out"
grep -q '^Pilot            Anna        Berg$' "$work/out"
expect 1 config set --pilot "   "

expect 0 gps-off
echo "cli: ok"
