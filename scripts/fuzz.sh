#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Builds the libFuzzer targets (preset 'fuzz': clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a number of executions,
# starting from its committed seeds in tests/fuzz/corpus/NAME.
#
# Usage: [FUZZ_WORKERS=N] scripts/fuzz.sh [RUNS [NAME...]]
#   RUNS  executions per target, 100000 when not given
#   NAME  targets to run (field_text, commands, ...); every built one when none
#   FUZZ_WORKERS  processes per target (1 when not set); they share the
#         target's corpus and split RUNS between them, so a long pass on a
#         machine with N cores takes about 1/N of the time
#
# New inputs that widen coverage go to build/fuzz/corpus/NAME, so the seeds
# stay as committed. A failing input is saved in build/fuzz/artifacts/NAME/
# and replays with: build/fuzz/tests/fuzz/NAME_fuzzer FILE
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-100000}
shift || true
workers=${FUZZ_WORKERS:-1}
if ! [[ "$runs" =~ ^[0-9]+$ && "$workers" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: [FUZZ_WORKERS=N] scripts/fuzz.sh [RUNS [NAME...]]" >&2
    exit 2
fi
# Each worker runs its share, rounded up, so the pass is at least RUNS.
runs_each=$(((runs + workers - 1) / workers))

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
    # With workers, libFuzzer writes one fuzz-J.log per worker into the
    # directory it runs in.
    worker_logs="$PWD/build/fuzz/logs/$name"
    if [ ! -x "$binary" ] || [ ! -d "$seeds" ]; then
        echo "fuzz: no target '$name' (needs $binary and $seeds)" >&2
        exit 2
    fi
    mkdir -p "$work" "$artifacts" "$(dirname "$log")"

    # -timeout: an input that takes 10 s is a hang and fails the run.
    command=("$PWD/$binary" "-runs=$runs_each" -timeout=10 -max_len=4096 -print_final_stats=1
             "-artifact_prefix=$PWD/$artifacts/" "$PWD/$work" "$PWD/$seeds")
    if ((workers > 1)); then
        command+=("-jobs=$workers" "-workers=$workers")
        rm -rf "$worker_logs"
        mkdir -p "$worker_logs"
    fi
    echo "== fuzz $name: ${command[*]}"
    start=$SECONDS
    status=0
    if ((workers > 1)); then
        (cd "$worker_logs" && "${command[@]}") >"$log" 2>&1 || status=$?
        logs=("$worker_logs"/fuzz-*.log)
        cat "${logs[@]}" >>"$log"
    else
        "${command[@]}" >"$log" 2>&1 || status=$?
        logs=("$log")
    fi

    executions=$(for each in "${logs[@]}"; do
                     sed -n 's/^stat::number_of_executed_units: *//p' "$each" | tail -n 1
                 done | awk '{ total += $1 } END { print total }')
    seed=$(sed -n 's/^INFO: Seed: *//p' "${logs[@]}" | paste -s -d, -)
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
