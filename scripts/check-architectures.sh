#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Checks that the arithmetic gives the same bits however it is built. The
# exact-value tests of the code without windows run
#   aarch64  cross-built with the release flags and run under qemu-user: GCC
#            fuses multiply-adds there unless told -ffp-contract=off;
#   native   built here with -O0, with -O3 and with -O2 -march=native (which
#            allows fused multiply-adds on a processor that has them).
# Each build's own libraries are also searched for fused multiply-add
# instructions: there must be none.
#
# Usage: scripts/check-architectures.sh [aarch64] [native]   (both when none)
set -euo pipefail
cd "$(dirname "$0")/.."

# The test programs whose code needs no window toolkit. The command-line
# designer's end-to-end tests start the program through the same emulator.
test_programs=(calc_test platform_test forms_test cli_test)

jobs=2
failed=()

# Fails the check when a library of the build holds a fused multiply-add.
check_no_fma() {
    local build=$1 objdump=$2 pattern=$3
    local libraries
    mapfile -t libraries < <(find "$build" -name 'libtavilo_*.a' | sort)
    if ((${#libraries[@]} == 0)); then
        echo "check-architectures: no libraries in $build" >&2
        exit 1
    fi
    local found
    found=$("$objdump" -d --no-show-raw-insn "${libraries[@]}" | grep -E "$pattern" || true)
    if [ -n "$found" ]; then
        echo "$build: fused multiply-add instructions in the program's libraries:"
        echo "$found" | head -n 20
        failed+=("$build (fused multiply-add)")
    else
        echo "$build: no fused multiply-add instruction in ${libraries[*]##*/}"
    fi
}

# Runs each test program, through an emulator when one is given.
run_tests() {
    local build=$1
    shift
    local program
    for program in "${test_programs[@]}"; do
        if ! "$@" "$build/tests/$program" --gtest_brief=1; then
            failed+=("$build/tests/$program")
        fi
    done
}

check_aarch64() {
    echo "== aarch64: cross build (release flags), tests under qemu-aarch64"
    scripts/install-deps.sh cross
    local start=$SECONDS
    cmake --preset aarch64 >/dev/null
    cmake --build --preset aarch64 -j "$jobs" --target "${test_programs[@]}"
    check_no_fma build/aarch64 aarch64-linux-gnu-objdump \
        '[[:space:]](fmadd|fmsub|fnmadd|fnmsub|fmla|fmls)[[:space:]]'
    run_tests build/aarch64 qemu-aarch64 -L /usr/aarch64-linux-gnu
    echo "aarch64: $((SECONDS - start)) s"
}

check_native() {
    scripts/install-deps.sh test
    if grep -qw fma /proc/cpuinfo; then
        echo "This processor has FMA: -march=native allows fused multiply-adds."
    else
        echo "This processor has no FMA: the -march=native build cannot show fusing."
    fi
    local variant flags start
    for variant in O0 O3 march-native; do
        case $variant in
            O0) flags="-O0" ;;
            O3) flags="-O3" ;;
            march-native) flags="-O2 -march=native" ;;
        esac
        echo "== native $flags"
        start=$SECONDS
        cmake -S . -B "build/native-$variant" -G Ninja -DCMAKE_BUILD_TYPE= \
            "-DCMAKE_CXX_FLAGS=$flags" >/dev/null
        cmake --build "build/native-$variant" -j "$jobs" --target "${test_programs[@]}"
        check_no_fma "build/native-$variant" objdump '[[:space:]]v?fn?m(add|sub)[0-9a-z]*[[:space:]]'
        run_tests "build/native-$variant"
        echo "native $flags: $((SECONDS - start)) s"
    done
}

targets=("$@")
if ((${#targets[@]} == 0)); then targets=(aarch64 native); fi
for target in "${targets[@]}"; do
    case $target in
        aarch64) check_aarch64 ;;
        native) check_native ;;
        *) echo "usage: scripts/check-architectures.sh [aarch64] [native]" >&2; exit 2 ;;
    esac
done

if ((${#failed[@]})); then
    echo "check-architectures: FAILED: ${failed[*]}" >&2
    exit 1
fi
echo "check-architectures: the same bits in every build"
