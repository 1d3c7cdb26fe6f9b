#!/usr/bin/env bash
# vantrel --screenshot: starts without a recorder or settings, opens the files it is given,
# saves the picture and leaves through the normal exit path (placement and workspaces saved).
# Usage: screenshot_test.sh VANTREL KORSIM SCREENSHOT_DIR
set -euo pipefail
vantrel=$1 korsim=$2 pictures=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME" "$pictures"
settings=$XDG_CONFIG_HOME/Velmora\ Avionics/Velmora\ Skyline\ Explorer.conf
fail() { echo "screenshot_test: $*" >&2; exit 1; }

# An empty start: no settings, no recorder, no flights folder.
"$vantrel" --screenshot "$work/empty.png" || fail "empty start failed"
[ -s "$work/empty.png" ] || fail "no picture of the empty start"
grep -q '^WindowPos=' "$settings" || fail "WindowPos not saved"
grep -q '^NumWorkspaces=1' "$settings" || fail "workspaces not saved"
grep -q '^\[TreeBarState\]' "$settings" || fail "explorer bar state not saved"

# A stored log in the flights folder and on the command line.
log=$("$korsim" make-log -o "$HOME/KOR/Flights" --fixes 300)
"$vantrel" "$log" --screenshot "$pictures/vantrel-command-line-log.png" || fail "opening $log failed"
[ -s "$pictures/vantrel-command-line-log.png" ] || fail "no picture with a log"

# Damaged settings still reach a usable window.
sed -i 's/^WindowPos=.*/WindowPos=1,2,3/; s/^NumWorkspaces=.*/NumWorkspaces=lots/' "$settings"
"$vantrel" --screenshot "$work/damaged.png" || fail "start with damaged settings failed"
grep -q '^WindowPos="\?[0-9]*,[0-9]*,-\?[0-9]*,-\?[0-9]*,-\?[0-9]*,-\?[0-9]*,-\?[0-9]*,-\?[0-9]*,-\?[0-9]*,-\?[0-9]*"\?$' "$settings" \
    || fail "WindowPos not written back as ten numbers"

# A file that cannot be opened ends the start-up with a failure.
if "$vantrel" "$work/missing.igc" --screenshot "$work/missing.png" 2>/dev/null; then
    fail "a missing file on the command line was taken"
fi
echo "screenshot_test: ok"
