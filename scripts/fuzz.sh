#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Builds the libFuzzer targets (preset 'fuzz': clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a number of executions,
# starting from its committed seeds in tests/fuzz/corpus/NAME.
#
# Usage: scripts/fuzz.sh [RUNS [NAME...]]
#   RUNS  executions per target (libFuzzer's -runs), 100000 when not given
#   NAME  targets to run (field_text, commands, ...); every built one when none
#
# New inputs that widen coverage go to build/fuzz/corpus/NAME, so the seeds
# stay as committed. A failing input is saved in build/fuzz/artifacts/NAME/
# and replays with: build/fuzz/tests/fuzz/NAME_fuzzer FILE
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-100000}
shift || true
if ! [[ "$runs" =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/fuzz.sh [RUNS [NAME...]]" >&2
    exit 2
fi

scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

bin_dir=build/fuzz/tests/fuzz
names=("$@")
if ((${#names[@]} == 0)); then
    for binary in "$bin_dir"/*_fuzzer; do
        name=$(basename "$binary")
        names+=("${name%_fuzzer}")
    done
fi

failed=()
for name in "${names[@]}"; do
    binary="$bin_dir/${name}_fuzzer"
    seeds="tests/fuzz/corpus/$name"
    work="build/fuzz/corpus/$name"
    artifacts="build/fuzz/artifacts/$name"
    log="build/fuzz/logs/$name.log"
    if [ ! -x "$binary" ] || [ ! -d "$seeds" ]; then
        echo "fuzz: no target '$name' (needs $binary and $seeds)" >&2
        exit 2
    fi
    mkdir -p "$work" "$artifacts" "$(dirname "$log")"

    # -timeout: an input that takes 10 s is a hang and fails the run.
    command=("$binary" "-runs=$runs" -timeout=10 -max_len=4096 -print_final_stats=1
             "-artifact_prefix=$artifacts/" "$work" "$seeds")
    echo "== fuzz $name: ${command[*]}"
    start=$SECONDS
    status=0
    "${command[@]}" >"$log" 2>&1 || status=$?

    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    seed=$(sed -n 's/^INFO: Seed: *//p' "$log" | head -n 1)
    if ((status == 0)); then
        echo "fuzz $name: ${executions:-?} executions, 0 crashes, $((SECONDS - start)) s (seed ${seed:-?})"
    else
        echo "fuzz $name: FAILED with status $status after ${executions:-?} executions (seed ${seed:-?})"
        grep -E -A 12 'FUZZ PROPERTY FAILED|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error' \
            "$log" | head -n 40 || tail -n 40 "$log"
        ls "$artifacts"
        failed+=("$name")
    fi
done

if ((${#failed[@]})); then
    echo "fuzz: failed: ${failed[*]} (logs in build/fuzz/logs)" >&2
    exit 1
fi
