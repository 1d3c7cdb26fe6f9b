#!/usr/bin/env bash
# kor download when things go wrong: Ctrl-C part-way, a second program on the port, fix blocks
# that fail, an incomplete copy already on the PC, flight numbers and dates that fit no flight,
# and folders and trace files that cannot be written.
set -euo pipefail
korsim=$1
kor=$2
work=$(mktemp -d)
. "$(dirname "$0")/kor_session.sh"

fail() { echo "$*"; [ -f "$work/out" ] && cat "$work/out"; exit 1; }
# Waits until the trace shows the line switched to block speed: a flight's fix data is coming.
wait_for_blocks() {
    for _ in $(seq 200); do grep -q 'SPEED 57600' "$1" 2>/dev/null && return; sleep 0.05; done
    fail "no block transfer began"
}

# Ctrl-C during the fix data: nothing is written, not even a temporary file.
start_korsim --line-timing --flights 1 --fixes 600
"$kor" --trace "$work/trace" download 1 -o "$work/cancelled" >"$work/out" 2>&1 &
download=$!
wait_for_blocks "$work/trace"
sleep 0.3
kill -INT "$download"
status=0
wait "$download" || status=$?
[ "$status" -eq 3 ] || fail "Ctrl-C: expected exit code 3, got $status"
grep -q '^Cancelled' "$work/out" || fail "Ctrl-C: not reported as cancelled"
[ -z "$(ls -A "$work/cancelled")" ] || fail "Ctrl-C left $(ls -A "$work/cancelled")"

# A second program on the port during a download is refused and does not disturb it.
rm -f "$work/trace"
"$kor" --trace "$work/trace" download 1 -o "$work/whole" >"$work/download.out" 2>&1 &
download=$!
wait_for_blocks "$work/trace"
expect 2 info
grep -q 'in use' "$work/out" || fail "second program: not told the port is in use"
wait "$download" || fail "the download was disturbed: $(cat "$work/download.out")"
grep -q 'security: OK' "$work/download.out"

# A fix block that always fails: no file is left.
start_korsim --flights 1 --fixes 900 --fail-block 2
expect 5 download 1 -o "$work/failed"
grep -q 'fix data incomplete: a block failed after 1024 of' "$work/out"
[ -z "$(ls -A "$work/failed")" ] || fail "a failed download left $(ls -A "$work/failed")"

# An incomplete copy on the PC (the fix data zero from byte 1024 on, as a download through the
# library whose blocks failed writes it) is not taken for the flight.
start_korsim --flights 2 --fixes 900
expect 0 download 2 -o "$work/flights"
log=$(ls "$work/flights")
size=$(stat -c %s "$work/flights/$log")
head -c $((164 + 1024)) "$work/flights/$log" >"$work/cut"
head -c $((size - 164 - 1024)) /dev/zero >>"$work/cut"
mv "$work/cut" "$work/flights/$log"
expect 0 list -o "$work/flights"
grep -q '^ 2  .* -$' "$work/out" || fail "list: the incomplete copy counts as downloaded"
expect 0 download --new -o "$work/flights"
[ "$(ls "$work/flights" | wc -l)" -eq 3 ] || fail "--new: $(ls "$work/flights")"

# Flight numbers outside the recorder's flights, and dates.
for number in 0 3 99 -1; do
    expect 6 download "$number" -o "$work/flights"
    grep -q 'the recorder holds flights 1\.\.2' "$work/out" || fail "download $number"
done
day=$(grep -o '^ 1  [0-9-]*' <("$kor" list -o "$work/flights") | awk '{print $2}')
expect 0 download --date "$day" -o "$work/dated"
grep -q "^Flight 1 ($day" "$work/out" || fail "--date $day"
expect 6 download --date "$((${day%%-*} + 1))-${day#*-}" -o "$work/dated"
expect 0 download --date "${day##*-}.${day:5:2}" -o "$work/dated"
expect 6 download --date 2003-13 -o "$work/dated"
grep -q 'DD.MM or YYYY-MM-DD' "$work/out"

# A folder that cannot be written is refused before anything is transferred; so is a trace file.
readonly_folder=$work/readonly
mkdir "$readonly_folder"
chmod 555 "$readonly_folder"
if touch "$readonly_folder/probe" 2>/dev/null; then
    # Permissions do not stop root: a file system that refuses new files does.
    readonly_folder=/sys
fi
rm -f "$work/trace"
expect 7 --trace "$work/trace" download 1 -o "$readonly_folder"
grep -q 'Could not write KOR file to' "$work/out"
[ ! -s "$work/trace" ] || fail "a transfer began for a folder that cannot be written"
status=0
"$kor" --trace "$readonly_folder/kor.trace" connect >"$work/out" 2>&1 || status=$?
[ "$status" -ne 0 ] || fail "a trace file that cannot be written was accepted"
grep -q 'kor.trace' "$work/out" || fail "the trace file is not named"
echo "cli download: ok"
