#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Plays a seeded random stream of user events on the windows, headless, and
# checks that nothing crashes, hangs or changes a text it should not.
# Usage: scripts/monkey.sh [EVENTS [SEED [--log]]]   (defaults: 100000 events, seed 1)
# MONKEY_PRESET picks the build (default dev; asan adds the sanitizers).
set -euo pipefail
cd "$(dirname "$0")/.."

events=${1:-100000}
seed=${2:-1}
shift $(($# < 2 ? $# : 2))
preset=${MONKEY_PRESET:-dev}

scripts/install-deps.sh test >&2
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target monkey_test -j "$(nproc)" >&2
QT_QPA_PLATFORM=offscreen exec "build/$preset/tests/qt/monkey_test" \
    --events="$events" --seed="$seed" "$@"
