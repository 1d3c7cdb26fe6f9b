#!/usr/bin/env bash
# korlink-host calls every export of the library with the arguments its declaration names: each
# of the 23 returns (no crash) on a port without a recorder, a few do their work against the
# simulator program, and a name that is not an export is refused.
set -euo pipefail
korsim=$1
kor=$2
host=$3
work=$(mktemp -d)
. "$(dirname "$0")/kor_session.sh"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"

# Runs one export through the host; its output goes to $work/out.
call() {
    local name=$1; shift
    if ! "$host" --call "$name" --screenshot "$work/$name.png" --folder "$work/flights" "$@" \
        >"$work/out" 2>"$work/err"; then
        echo "korlink-host --call $name failed"; cat "$work/out" "$work/err"; exit 1
    fi
    grep -q "^$name: " "$work/out" || { echo "korlink-host --call $name:"; cat "$work/out"; exit 1; }
}

names=(KORInfo KORGetLogs KOREditConfig KORGetWaypoints KORGetSingleLog KORValidateFile
       KORConvertFile KORGetTasks KORSetTask KORDeclareTask KORGetDeclaration KORAbout
       KORManageSites KORGetLogInfo KORConnect KORGetLog KORGetSiteName KORSetWaypoints
       KOREditWaypoints KORGetLogFileTime KORGetRevDate KORGPSOff KORValidateIGCFile)
KORLINK_COM1=/dev/korlink-missing
export KORLINK_COM1
for name in "${names[@]}"; do
    call "$name" --file "$work/missing.kor"
done
call KORGetLogs
grep -q '^KORGetLogs: status 2 count 0$' "$work/out"

start_korsim --flights 2 --fixes 60
call KORGetLogInfo --quiet
grep -q '^KORGetLogInfo: status 0 count 2$' "$work/out"
call KORGetLog --quiet --number 1
grep -q "^KORGetLog: status 0 written 1 path '$work/flights/.*\.KOR'$" "$work/out"
log=$(ls "$work"/flights/*.KOR)
call KORConvertFile --file "$log"
grep -q "^KORConvertFile: status 0 file '.*\.IGC' check 1$" "$work/out"
call KORSetTask --quiet --number 3 --ids 1,2
grep -q '^KORSetTask: status 0$' "$work/out"
call KORGetTasks --quiet
grep -q '^  task 3: 1 2 0 0 0 0 0 0 0$' "$work/out"

if "$host" --call KORFrobnicate >"$work/out" 2>&1; then echo "an unknown export was called"; exit 1; fi
grep -q 'KORFrobnicate is not an export it can call' "$work/out"
echo "korlink host: ok"
