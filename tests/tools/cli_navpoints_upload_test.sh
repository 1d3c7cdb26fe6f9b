#!/usr/bin/env bash
# kor navpoints put at its limits, against the simulator program: more navpoints than the
# recorder takes, an upload that stops part-way, and the progress on a terminal. Each line the
# recorder acknowledges takes its pauses, so these uploads take a while.
set -euo pipefail
korsim=$1
kor=$2
work=$(mktemp -d)
. "$(dirname "$0")/kor_session.sh"

# A navpoint file of $1 navpoints for the site $2.
navpoint_file() {
    printf '**\n** Site : %s\n**\n' "$2"
    for i in $(seq "$1"); do
        printf '%d,46:%02d.000N,008:%02d.000E,%dF,T,P%d,\n' "$i" $((i % 60)) $((i * 7 % 60)) $((i * 10)) "$i"
    done
}
navpoint_file 300 Big >"$work/big.dat"
navpoint_file 10 Small >"$work/small.dat"

start_korsim
expect 0 navpoints put "$work/big.dat"
grep -q '^the first 250 of 300 navpoints of Big sent and verified$' "$work/out"
expect 0 navpoints get
grep -q '^250 navpoints$' "$work/out"

# On a terminal the bar is labelled, and the last line starts on a line of its own.
script -qec "$kor navpoints put $work/small.dat" /dev/null | tr -d '\r' >"$work/terminal"
grep -q 'Transfering Navpoints to Recorder *\[#* *\] 100%$' "$work/terminal"
grep -q 'Verifying Navpoints *\[#* *\] 100%$' "$work/terminal"
grep -q '^10 navpoints of Small sent and verified$' "$work/terminal"
script -qec "$kor sitename" /dev/null | tr -d '\r' >"$work/terminal"
grep -q '^Small$' "$work/terminal"
script -qec "$kor tasks" /dev/null | tr -d '\r' >"$work/terminal"
grep -q '^Task 1$' "$work/terminal"

# A recorder that falls silent after a few navpoints: how many it holds is said.
start_korsim --silent-after 160
expect 5 --retries 0 navpoints put "$work/small.dat"
grep -q '^The upload stopped after [1-9] of 10 navpoints: the recorder now holds those [1-9]' "$work/out"
echo "cli navpoints upload: ok"
