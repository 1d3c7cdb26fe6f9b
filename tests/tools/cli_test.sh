#!/usr/bin/env bash
# The command-line tool against the simulator program: connecting, a device that does not exist,
# the port listing, the identity, listing and downloading flights, changing the configuration,
# and GPS off.
set -euo pipefail
korsim=$1
kor=$2
work=$(mktemp -d)
. "$(dirname "$0")/kor_session.sh"
start_korsim

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
expect 64 config set --pilot "   "

expect 0 gps-off
echo "cli: ok"
