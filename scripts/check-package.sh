#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Builds the .deb, installs it with apt on this machine (root or sudo), and
# checks the installed programs, manual pages and desktop files from their
# installed paths. It changes the system: CI runs it; run it by hand only on
# a machine where installing Tavilo is wanted.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
scripts/install-deps.sh build
missing=()
for package in dpkg-dev file lintian man-db xvfb xauth xdotool; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}" </dev/null
fi

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
(cd build/release && rm -f tavilo_*.deb && cpack -G DEB >/dev/null)
deb=$(ls build/release/tavilo_*.deb)
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "tavilo_${version}_${arch}.deb" ] || { echo "unexpected name $deb" >&2; exit 1; }
echo "== $deb"

echo "== lintian"
# Only an informational tag may remain (.comment is the toolchain's mark).
lintian --fail-on error,warning "$deb"

echo "== apt install"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --reinstall "./$deb" </dev/null >/dev/null

failures=0
check() {  # check DESCRIPTION COMMAND...
    local description=$1; shift
    if "$@" >/tmp/tavilo-check.out 2>&1; then
        echo "ok   $description"
    else
        echo "FAIL $description"; sed 's/^/     /' /tmp/tavilo-check.out; failures=$((failures + 1))
    fi
}

check "tavilo-cli runs from /usr/bin and gives the 3.5 MHz design" bash -c '
    out=$(/usr/bin/tavilo-cli pi --plate 5000 --antenna 50 --q0 12 --freq 3.5 --format json)
    echo "$out"
    grep -q "\"c1_pf\":\"104.007327\"" <<<"$out" && grep -q "\"q0\":\"12.000000\"" <<<"$out"'
check "man -w finds tavilo-cli(1)" man -w tavilo-cli
check "man -w finds tavilo(1)" man -w tavilo
check "the desktop entry is installed and valid" \
    desktop-file-validate /usr/share/applications/io.github.tavilo.Tavilo.desktop
check "the icons are installed" test -f /usr/share/icons/hicolor/32x32/apps/io.github.tavilo.Tavilo.png \
    -a -f /usr/share/icons/hicolor/16x16/apps/io.github.tavilo.Tavilo.png \
    -a -f /usr/share/icons/hicolor/scalable/apps/io.github.tavilo.Tavilo.svg
check "tavilo starts on the offscreen platform and keeps its window open" bash -c '
    QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/tavilo; test $? -eq 124'
check "tavilo shows its main window on an X server" xvfb-run -a bash -c '
    /usr/bin/tavilo & pid=$!
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^PI Network V1.0$" >/dev/null && { kill $pid; exit 0; }
        sleep 0.1
    done
    kill $pid; exit 1'
check "without a display tavilo says so" bash -c '
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/tavilo 2>&1 | grep -q "no graphical display"'

if ((failures)); then echo "$failures package checks failed" >&2; exit 1; fi
echo "all package checks passed"
