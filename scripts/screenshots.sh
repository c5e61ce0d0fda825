#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Takes the README's screenshots of the main window and the coil calculator
# under Xvfb with a small window manager, driving the program with xdotool.
# Usage: scripts/screenshots.sh [build dir]  (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=docs/screenshots

scripts/install-deps.sh build
missing=()
for package in xvfb xauth openbox xdotool imagemagick; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}" </dev/null
fi
[ -x "$build/app/tavilo" ] || { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$build" --target tavilo; }
mkdir -p "$out"

xvfb-run -a -s "-screen 0 800x600x24" bash -s "$build" "$out" <<'SESSION'
set -euo pipefail
build=$1 out=$2
openbox >/dev/null 2>&1 &
sleep 1
"$build/app/tavilo" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

wait_for() { for _ in $(seq 50); do id=$(xdotool search --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }; sleep 0.1; done; echo "no window '$1'" >&2; exit 1; }
shoot() { sleep 0.5; import -window "$1" -frame "$2"; }

main=$(wait_for "PI Network V1.0")
xdotool windowactivate --sync "$main"
# Plate impedance has the focus: type a 3.5 MHz design and calculate.
xdotool type --delay 20 "5000"; xdotool key Tab
xdotool key ctrl+a; xdotool type --delay 20 "50"; xdotool key Tab
xdotool key ctrl+a; xdotool type --delay 20 "12"; xdotool key Tab
xdotool type --delay 20 "3.5"
xdotool key Tab Tab; xdotool key Return   # Calculate has the focus
shoot "$main" "$out/main-window.png"

xdotool key Tab Return                     # Calc. Inductor
coil=$(wait_for "Inductor Calculator")
xdotool windowactivate --sync "$coil"
xdotool key Tab Tab; xdotool type --delay 20 "2"; xdotool key Tab
xdotool type --delay 20 "3"; xdotool key Tab Tab Return   # diameter, length, Calc. Turns
shoot "$coil" "$out/coil-window.png"
SESSION
echo "Screenshots in $out"
