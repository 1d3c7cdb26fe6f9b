#!/usr/bin/env bash
# kor's command line itself: its version, unknown commands and options named, usage errors with
# their one exit code, an unexpected failure kept inside kor, and configuration values refused
# with their limits before the recorder is reached.
set -euo pipefail
korsim=$1
kor=$2
work=$(mktemp -d)
. "$(dirname "$0")/kor_session.sh"
usage=64

expect 0 --version
grep -q '^kor [0-9]*\.[0-9]*\.[0-9]*$' "$work/out"
expect 0 --help
grep -q 'navpoints' "$work/out"

expect $usage frobnicate
grep -q '^kor: unknown command "frobnicate"' "$work/out"
expect $usage --frobnicate connect
grep -q '^kor: unknown option "--frobnicate"' "$work/out"
expect $usage
grep -q '^kor: a command is required' "$work/out"
expect $usage connect extra
expect $usage --port 9 connect
expect $usage task set
expect $usage navpoints put
expect $usage download
expect $usage task-config

# Values that do not fit the recorder are refused with their limit; nothing is sent.
KORLINK_COM1=/dev/korlink-missing
export KORLINK_COM1
expect $usage config set --glider "Discus 2cT extra long" --yes
grep -q -- '--glider "Discus 2cT extra long" is 21 bytes; the recorder keeps at most 9' "$work/out"
expect $usage config set --comp ABCDE --yes
grep -q -- '--comp "ABCDE" is 5 bytes; the recorder keeps at most 3' "$work/out"
expect $usage config set --pilot "Hans-Jürgen Müller-Lüdenscheid" --yes
grep -q -- 'is 33 bytes; the recorder keeps at most 24 (a letter outside ASCII takes two or more)' \
    "$work/out"
# Values that fit go on to the recorder (here: a port that does not exist).
expect 2 config set --glider "Discus 2c" --comp ABC --pilot "Jürgen Müller" --yes
unset KORLINK_COM1

start_korsim --flights 0
expect 0 config set --glider "Discus 2c" --comp ABC --pilot "Jürgen Müller" --yes
expect 0 config
grep -q '^Glider           Discus 2c$' "$work/out"
grep -q '^Competition id   ABC$' "$work/out"
grep -q '^Pilot            Jürgen *Müller$' "$work/out"
echo "cli usage: ok"
