#!/usr/bin/env bash
# kor's navpoint, task and declaration commands against the simulator program preloaded with a
# navpoint file: reading, writing with verification, tasks, declaring, and the codes of failures.
set -euo pipefail
korsim=$1
kor=$2
work=$(mktemp -d)
. "$(dirname "$0")/kor_session.sh"

# The recorder of these tests: one short flight besides its navpoints.
start() { start_korsim --flights 1 --fixes 100 "$@"; }

cat >"$work/club.dat" <<'DAT'
**
** Site : Club Field
**
1,46:30.000N,008:00.000E,1640F,HAS,HOMEFIELD,RWY 09
2,46:36.000N,008:06.000E,6890F,T,PEAK,
3,46:42.000N,008:12.000E,1247F,TME,LAKE,DAM
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

# What the recorder gives, sent back unchanged, comes back identical however often it goes round:
# positions, elevations in feet and every attribute letter.
expect 0 navpoints get -o "$work/round1.dat"
grep -q '^3,.*,1247F,TME,LAKE,DAM$' "$work/round1.dat"
for round in 2 3 4; do
    expect 0 navpoints put "$work/round$((round - 1)).dat"
    expect 0 navpoints get -o "$work/round$round.dat"
done
diff "$work/round1.dat" "$work/round4.dat"

# A file without navpoints, or that cannot be read, never reaches the recorder.
: >"$work/empty.dat"
printf '**\n** Site : Nothing\n**\n' >"$work/comments.dat"
mkdir "$work/folder.dat"
for file in empty.dat comments.dat folder.dat; do
    expect 10 navpoints put "$work/$file"
done
grep -q 'is a folder, not a navpoint file' "$work/out"
expect 10 navpoints put "$work/empty.dat"
grep -q '^No navpoints in file.$' "$work/out"
expect 0 sitename
grep -q '^Other Field$' "$work/out"
expect 0 navpoints get
grep -q '^3 navpoints$' "$work/out"

# Lines that cannot be read, off the globe among them, are left out and counted; an id of 0
# ends the reading.
{
    cat "$work/club.dat"
    printf '%s\n' 4,91:00.000N,008:00.000E,0F,T,NORTH, 5,46:00.000N,181:00.000E,0F,T,EAST, \
        7,garbage 0,ends,here
} >"$work/odd.dat"
expect 0 navpoints put "$work/odd.dat"
grep -q '3 line(s) of .*odd.dat could not be read and are left out' "$work/out"
grep -q 'line 10 of .*odd.dat has an id outside 1..65535: the lines after it are left out' "$work/out"
grep -q '^3 navpoints of Club Field sent and verified$' "$work/out"

# Tasks name navpoints the recorder holds, at most nine; an empty task is not declared.
expect 11 task set 2 1 99 1
grep -q 'the recorder holds no navpoint 99' "$work/out"
if grep -q 'must be 1-10' "$work/out"; then echo "a refused navpoint reported as a task number"; exit 1; fi
expect 11 task set 2 1 2 3 1 2 3 1 2 3 1
grep -q 'a task holds at most 9 navpoints; 10 were given' "$work/out"
expect 0 tasks
grep -A4 '^Task 2$' "$work/out" | grep -q '^    3  LAKE'
expect 11 declare 5
grep -q 'task 5 is empty' "$work/out"

# A recorder that keeps navpoint 2 60 m away from where it was sent.
start --move-navpoint 2
expect 14 navpoints put "$work/club.dat"
grep -q 'Navpoint transfer could not be validated in the recorder.' "$work/out"
echo "cli navpoints: ok"
