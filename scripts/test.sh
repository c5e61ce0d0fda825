#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Installs what is missing, builds, and runs every test: the developer build,
# then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
scripts/ensure-test-locale.sh

jobs=$(nproc)
for preset in dev asan; do
    echo "== $preset: configure, build, test"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done

# Fuzzing: a short pass of every libFuzzer target (tests/fuzz).
echo "== fuzz: a short pass of every target"
scripts/fuzz.sh 100000

# The same bits on aarch64 (under qemu-user) and with -O0, -O3 and -march=native.
echo "== architectures: the exact-value tests in other builds"
scripts/check-architectures.sh

# The package: built, checked by lintian, installed with apt and run from its
# installed paths. It installs Tavilo on this machine, so it runs in CI (or
# when asked with TAVILO_PACKAGE_TEST=1), not on a developer's desktop.
if [ "${CI:-}" = "true" ] || [ "${TAVILO_PACKAGE_TEST:-}" = "1" ]; then
    echo "== package: build, lintian, install, run"
    scripts/check-package.sh
else
    echo "== package: skipped (set TAVILO_PACKAGE_TEST=1 to build, install and check the .deb)"
fi
