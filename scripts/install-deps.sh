#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Installs the Debian packages that building and testing Tavilo need, only the
# ones that are missing. Usage: scripts/install-deps.sh [core|build|test]...
#   core   compiler and build tools: enough for the build without windows
#   build  core plus Qt 6 Widgets and the dialog font
#   test   build plus the test tools
set -euo pipefail

# tavilo-cli: CLI11 reads its arguments, libcsv its batches, help2man makes its
# man page from --help.
core_packages=(g++ cmake ninja-build pkgconf libcli11-dev libcsv-dev help2man)
# Liberation Sans stands in for the dialogs' "MS Sans Serif" (same base units).
windows_packages=(qt6-base-dev libgl-dev fonts-liberation)
build_packages=("${core_packages[@]}" "${windows_packages[@]}")
# nlohmann-json parses tavilo-cli's JSON in the tests, libxml2 its SVG plots;
# man-db renders man pages.
test_packages=(googletest libgtest-dev libgmock-dev libpng-dev locales python3 nlohmann-json3-dev
               libxml2-dev man-db desktop-file-utils appstream)

wanted=()
for group in "${@:-build}"; do
    case "$group" in
        core) wanted+=("${core_packages[@]}") ;;
        build) wanted+=("${build_packages[@]}") ;;
        test) wanted+=("${build_packages[@]}" "${test_packages[@]}") ;;
        *) echo "install-deps: unknown group '$group'" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}" </dev/null
fi
