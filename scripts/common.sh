# shellcheck shell=bash
# What every script here shares, sourced right after `cd` to the source tree: a failure names
# what failed and ends the script with a non-zero status; a step's output goes to a log that is
# printed when the step fails; waits poll with a deadline.
#   source scripts/common.sh
set -Eeuo pipefail

script_name="$(basename "$0")"

# Any command that fails unexpectedly is named, with its line.
trap 'echo "$script_name: line $LINENO: \"$BASH_COMMAND\" failed (exit $?)" >&2' ERR

fail() {
    echo "$script_name: $*" >&2
    exit 1
}

# at_exit COMMAND: runs COMMAND when the script ends, the last registered first. A cleanup that
# fails is said, and leaves the script's own status as it was.
exit_steps=()
at_exit() { exit_steps=("$1" "${exit_steps[@]}"); }
run_exit_steps() {
    local step
    for step in "${exit_steps[@]}"; do
        eval "$step" || echo "$script_name: cleaning up: \"$step\" failed" >&2
    done
}
trap run_exit_steps EXIT

# become COMMAND…: cleans up, then replaces the script with COMMAND (exec skips the EXIT trap).
become() {
    run_exit_steps
    trap - EXIT
    exec "$@"
}

# The logs of quiet steps, kept until the script ends.
logs_dir="$(mktemp -d)"
at_exit 'rm -rf "$logs_dir"'

# quietly WHAT COMMAND…: runs COMMAND with its output in a log; when it fails, prints the log
# and fails naming WHAT.
quietly() {
    local what="$1"
    shift
    local log="$logs_dir/step.log"
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        fail "$what failed: $*"
    fi
}

# poll_until SECONDS COMMAND…: runs COMMAND every 0.1 s until it succeeds; returns non-zero
# when it has not succeeded after SECONDS.
poll_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# wait_until SECONDS WHAT COMMAND…: poll_until, failing with WHAT at the deadline.
wait_until() {
    local seconds="$1" what="$2"
    shift 2
    poll_until "$seconds" "$@" || fail "$what (waited $seconds s)"
}

# show_log FILE: prints a log saved by a step, for a failure's context.
show_log() {
    [ -s "$1" ] && { echo "---- $1" >&2; tail -n 60 "$1" >&2; }
    return 0
}
