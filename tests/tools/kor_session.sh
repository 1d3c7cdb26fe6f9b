# Shared by the command-line tests: a simulator program on a pseudo-terminal for kor to talk to,
# and a check of kor's exit code. Source it after setting korsim, kor and work.

sim=
stop_korsim() { [ -z "$sim" ] || { kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; }; sim=; }
trap 'stop_korsim; rm -rf "$work"' EXIT

# Starts korsim with the given options and points kor's COM1 at it.
start_korsim() {
    stop_korsim
    rm -f "$work/env"
    "$korsim" --env-file "$work/env" "$@" >"$work/korsim.out" &
    sim=$!
    for _ in $(seq 100); do [ -s "$work/env" ] && break; sleep 0.05; done
    grep -q '^korsim: listening on /dev/pts/' "$work/korsim.out"
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
