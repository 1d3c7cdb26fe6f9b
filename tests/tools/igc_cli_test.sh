#!/usr/bin/env bash
# kor igc-info and kor airspace on files made here: the JSON report of a flight, a stored log
# with and without its IGC file, files that are no flight, and the sections of an airspace file.
set -euo pipefail
kor=$1
golden=$(cd "$(dirname "$0")/../logfiles/data" && pwd)/3C5Q0YA1.KOR
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

printf '%s\r\n' AZRVQ0YA HFDTE310104 'HFPLTPilot: Anna "B" Berg' HFTZNTIMEZONE:UTC-05:00 \
    I033638FXA3941ENL4247REX C310104103000010204000101 'C0000000N00000000E0000TAKEOFF' \
    C5130500N00007250W0012START C5200000N00100000E0003TURN C5130600N00007250W0012GOAL \
    'C0000000N00000000E0000LANDING' B2359585130500N00007250WA0050000510050000 \
    B0000025130600N00007250WA0060000610050000 B0000045130600N00007250WV0060000610050000 \
    >flight.igc

"$kor" igc-info --json --time-option 1 flight.igc >out
for expected in '"fixes": 2' '"invalid_fixes": 1' '"first_fix_utc": "2004-01-31T23:59:58Z"' \
    '"last_fix_utc": "2004-02-01T00:00:02Z"' '"first_fix_local": "2004-01-31T18:59:58-05:00"' \
    '"pilot": "Anna \"B\" Berg"' '"time_zone": -5' '"turnpoints": 1' \
    '{"lat": 52, "lon": 1, "name": "0003TURN"}' '"max_pressure_alt_ft": 1968' '"error": null'; do
    grep -qF "$expected" out || { echo "igc-info: missing $expected"; cat out; exit 1; }
done

# Zones with minutes are kept to the minute, read from the flight or given by the user.
sed 's/HFTZNTIMEZONE:UTC-05:00/HFTZNTIMEZONE:+5.50/' flight.igc >india.igc
"$kor" igc-info --json --time-option 1 india.igc >out
grep -qF '"first_fix_local": "2004-02-01T05:29:58+05:30"' out || { echo "igc-info: +5.50"; cat out; exit 1; }
grep -qF '"time_zone": 5.5' out || { echo "igc-info: time zone 5.5"; cat out; exit 1; }
"$kor" igc-info --time-option 2 --user-offset -3:30 flight.igc >out
grep -q 'local 2004-01-31T20:29:58-03:30$' out || { echo "igc-info: -3:30"; cat out; exit 1; }
"$kor" igc-info --time-option 2 --user-offset 5.75 flight.igc >out
grep -q 'local 2004-02-01T05:44:58+05:45$' out || { echo "igc-info: 5.75"; cat out; exit 1; }
status=0; "$kor" igc-info --time-option 2 --user-offset 25 flight.igc >out 2>&1 || status=$?
[ "$status" -eq 64 ] || { echo "igc-info: an offset of 25 hours gave $status"; cat out; exit 1; }

# A stored log is read through the IGC file beside it, in any letter case; an empty one fails.
cp flight.igc LOG.igc
: >log.kor
"$kor" igc-info --json log.kor | grep -qF '"fixes": 2'
rm LOG.igc
if "$kor" igc-info log.kor >out 2>&1; then echo "igc-info: an empty stored log was read"; exit 1; fi
grep -q 'An error occured while opening: log.kor' out

# Without an IGC file beside it a stored log is converted in memory, however it is named, and
# reading it again and again writes nothing.
cp "$golden" "day one.kor"
before=$(ls)
for _ in 1 2; do
    "$kor" igc-info --json "day one.kor" >out
    grep -qF '"fixes": 397' out || { echo "igc-info: stored log not read"; cat out; exit 1; }
done
[ "$(ls)" = "$before" ] || { echo "igc-info: wrote beside the stored log"; ls; exit 1; }

# Files that are no flight are errors, told on standard error.
: >empty.igc
awk 'BEGIN { srand(7); for (i = 0; i < 4096; i++) printf "%c", int(rand() * 256) }' >random.igc
for file in empty.igc random.igc; do
    for format in --json --time-option=0; do
        if "$kor" igc-info "$format" "$file" >out 2>err; then
            echo "igc-info: $file read as a flight"; cat out; exit 1
        fi
        grep -q "^$file: " err || { echo "igc-info: no error for $file"; cat err; exit 1; }
    done
    [ ! -s out ] || grep -q '"error": "' out || { echo "igc-info: $file reported"; cat out; exit 1; }
done

printf '# zones\nTITLE=Alpha\nAH=FL65\nTITLE=Bravo\n' >zones.sua
"$kor" airspace zones.sua >out
[ "$(cat out)" = "$(printf '2 sections\nAlpha\nBravo')" ] || { cat out; exit 1; }
if "$kor" airspace flight.igc 2>out; then echo "airspace: a flight was read as airspace"; exit 1; fi
grep -q '^No Valid Airspace in : flight.igc' out
echo "igc cli: ok"
