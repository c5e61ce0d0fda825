#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Installs what is missing, builds Tavilo (release) and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target tavilo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Built build/release/app/tavilo, but there is no graphical display to start it on" >&2
    echo "(neither DISPLAY nor WAYLAND_DISPLAY is set). Run this from a desktop session." >&2
    exit 1
fi
exec build/release/app/tavilo
