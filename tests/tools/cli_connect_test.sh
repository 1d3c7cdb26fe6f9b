#!/usr/bin/env bash
# The command-line tool against the simulator program: a connection that works, one on a
# device that does not exist, and the port listing.
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

"$kor" --trace "$work/trace" connect >"$work/connect.out"
grep -q '^Connected to recorder on COM1' "$work/connect.out"
grep -q 'TX   4800  03' "$work/trace"

status=0
"$kor" --device /dev/korlink-missing --port 2 connect 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || { echo "expected exit code 2, got $status"; exit 1; }
grep -q 'Invalid communications port ID' "$work/err"

"$kor" ports >"$work/ports.out"
cat "$work/ports.out"
grep -q '^COM1 .*recorder answers' "$work/ports.out"
echo "cli_connect: ok"
