#!/usr/bin/env bash
# kor analyze and kor task-config on flights made here: a task from the declaration, from a
# configuration file written by task-config, from the flight's own configuration file; JSON,
# CSV and text; files in argument order, failures reported.
set -euo pipefail
kor=$1
generator=$(cd "$(dirname "$0")" && pwd)/analysis_flight.awk
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "analysis cli: $*"; cat out 2>/dev/null || true; exit 1; }

flight() { # NAME OFFSET [TAKEOFF]: home, the start, Alpha, the finish, home again
    {
        printf '%s\r\n' AZRVQ0YA HFDTE010204 'HFPLTPilot: Anna Berg' HFCIDCompetitionID:ab \
            C010204100000010204000101 "${3:-C5100000N00100000EHOME}" C5100000N00112000ESTART \
            C5118000N00112000EALPHA C5101200N00100000EFINISH C5100000N00100000EHOME
        awk -v offset="$2" -f "$generator"
    } >"$1"
}
flight flight.igc 0
flight later.igc 3600

printf '%s\n' '**' '** Site : test' '**' 1,51:00.000N,001:00.000E,328F,HA,HOME, \
    2,51:00.000N,001:12.000E,0F,S,START, 3,51:01.200N,001:00.000E,0F,F,FINISH, \
    4,51:18.000N,001:12.000E,0F,T,ALPHA, >site.dat

# The declaration's points become navpoints 1 to 4; Alpha is 3.
"$kor" analyze --declared --json flight.igc >out || fail "declared task not analysed"
for expected in '"status": 4' '"status_text": "Completed Task"' '"achieved": [3]' \
    '"start_time": "10:' '"landing": null' '"speed": ' '"unit": "Miles"' \
    '["  Acheived Turnpoint ID'"'"'s", "3"]' '"error": null'; do
    grep -qF "$expected" out || fail "declared: missing $expected"
done

# The usual all-zero takeoff line: the first fix stands in for the home navpoint, and a note
# says so. Without the takeoff point Alpha is navpoint 2.
flight zero-takeoff.igc 0 C0000000N00000000ETAKEOFF
"$kor" analyze --declared --json zero-takeoff.igc >out || fail "no takeoff: not analysed"
for expected in '"status": 4' '"achieved": [2]' '"error": null' \
    '"notes": ["No takeoff point declared: the first fix, 51:00.000N 001:00.000E, is taken as home, elevation 100 m."'; do
    grep -qF "$expected" out || fail "no takeoff: missing $expected"
done
"$kor" analyze --declared zero-takeoff.igc >out || fail "no takeoff: text not analysed"
grep -A1 '^    Notes:' out | grep -q 'No takeoff point declared: the first fix' || fail "text note"

# A day's task written by task-config, in nautical miles, analysed against a navpoint file.
"$kor" task-config --write day.cfg --turnpoints 4 --start 2 --finish 3 --units 1 \
    --start-size 2 --finish-size 1 >out || fail "task-config --write"
"$kor" task-config --units 1 day.cfg >out
grep -q '^  turnpoints        4$' out || fail "task-config: turnpoints"
grep -qF 'Cylinder, 2.0 Nm Radius, Center at point 2' out || fail "task-config: start gate"
grep -qF 'in use, base 100 ft, top 1000 ft' out || fail "task-config: finish gate"

"$kor" analyze --config day.cfg --navpoints site.dat --units 2 --csv flight.igc later.igc >out
[ "$(wc -l <out)" -eq 3 ] || fail "csv: header and two rows expected"
head -1 out | grep -q '^file,status,status_text,roll_time' || fail "csv header"
sed -n 2p out | grep -q '^flight.igc,4,Completed Task,10:0' || fail "csv: first flight"
sed -n 3p out | grep -q '^later.igc,4,Completed Task,11:0' || fail "csv: second flight"
sed -n 2p out | grep -q ',Km,4,' || fail "csv: unit and achieved"

# Without options a flight's own configuration file holds its task (path less 9 characters).
cp day.cfg f.cfg
"$kor" analyze --navpoints site.dat flight.igc >out
grep -q '^    Acheived Turnpoint ID.s *4$' out || fail "own configuration: achieved"
grep -q '^  Task Status *Completed Task$' out || fail "text rows"

# Files keep their order; one that cannot be read fails the run but not the others.
if "$kor" analyze --declared --json later.igc missing.igc flight.igc >out 2>err; then
    fail "a missing flight passed"
fi
grep -qF 'missing.igc: An error occured reading: missing.igc' err || fail "error message"
[ "$(grep -o '"file": "[a-z.]*"' out | tr '\n' ' ')" = \
    '"file": "later.igc" "file": "missing.igc" "file": "flight.igc" ' ] || fail "order"

# A stored log without an IGC file beside it is converted in memory: nothing is written.
cp "$(dirname "$generator")/../logfiles/data/3C5Q0YA1.KOR" log.kor
before=$(ls)
"$kor" analyze --json log.kor >out || fail "stored log not analysed"
grep -qF '"status_text": "Incomplete"' out || fail "stored log: status"
[ "$(ls)" = "$before" ] || fail "stored log: a file was written beside it"

printf 'x' >bad.cfg
if "$kor" analyze --config bad.cfg flight.igc 2>err >out; then fail "damaged config passed"; fi
grep -qF 'Error reading config file.' err || fail "damaged config message"
if "$kor" task-config --write bad.cfg --turnpoints 1 2>err >out; then fail "damaged overwritten"; fi
[ "$(cat bad.cfg)" = x ] || fail "a damaged configuration file was overwritten"
echo "analysis cli: ok"
