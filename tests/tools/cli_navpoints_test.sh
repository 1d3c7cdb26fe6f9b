#!/usr/bin/env bash
# kor's navpoint, task and declaration commands against the simulator program preloaded with a
# navpoint file: reading, writing with verification, tasks, declaring, and the codes of failures.
set -euo pipefail
korsim=$1
kor=$2
work=$(mktemp -d)
sim=
stop() { [ -z "$sim" ] || { kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; }; }
trap 'stop; rm -rf "$work"' EXIT

# Starts korsim with the given options and points kor at it.
start() {
    stop
    rm -f "$work/env"
    "$korsim" --env-file "$work/env" --flights 1 --fixes 100 "$@" >"$work/korsim.out" &
    sim=$!
    for _ in $(seq 100); do [ -s "$work/env" ] && break; sleep 0.05; done
    set -a; . "$work/env"; set +a
}

# Runs kor, expecting exit code $1; its output goes to $work/out.
expect() {
    local want=$1; shift
    local status=0
    "$kor" "$@" >"$work/out" 2>&1 || status=$?
    if [ "$status" -ne "$want" ]; then
        echo "kor $*: expected exit code $want, got $status"; cat "$work/out"; exit 1
    fi
}

cat >"$work/club.dat" <<'DAT'
**
** Site : Club Field
**
1,46:30.000N,008:00.000E,1640F,HAS,HOMEFIELD,RWY 09
2,46:36.000N,008:06.000E,6890F,T,PEAK,
3,46:42.000N,008:12.000E,1247F,T,LAKE,DAM
DAT

start --navpoints "$work/club.dat"
expect 0 sitename
[ "$(cat "$work/out")" = "Club Field" ]
expect 0 navpoints get
grep -q '^    2  PEAK ' "$work/out"
grep -q '^3 navpoints$' "$work/out"
expect 0 navpoints get -o "$work/got.dat"
grep -q '^\*\* Site : Club Field$' "$work/got.dat"
# Positions come back in the recorder's 24-bit resolution.
grep -q '^1,46:[0-9.]*N,00[78]:[0-9.]*E,[0-9]*F,ASH,HOMEFIELD,RWY 09$' "$work/got.dat"

expect 0 task set 2 1 2 3 1
expect 0 tasks
grep -A4 '^Task 2$' "$work/out" | grep -q '^    3  LAKE  *[0-9.]* km  *[0-9.]* km$'
expect 0 declare 2
expect 0 declaration
grep -q '^4 points$' "$work/out"
expect 11 task set 11 1 2
grep -q 'must be 1-10' "$work/out"
expect 11 declare 0

expect 0 navpoints put "$work/got.dat" --site "Other Field"
grep -q '^3 navpoints of Other Field sent and verified$' "$work/out"
expect 0 sitename
grep -q '^Other Field$' "$work/out"
expect 9 navpoints put "$work/missing.dat"

# A recorder that keeps navpoint 2 60 m away from where it was sent.
start --move-navpoint 2
expect 14 navpoints put "$work/club.dat"
grep -q 'Navpoint transfer could not be validated in the recorder.' "$work/out"
echo "cli navpoints: ok"
