#!/usr/bin/env bash
# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Installs the Debian packages that building and testing Tavilo need, only the
# ones that are missing. Usage: scripts/install-deps.sh [core|build|test|fuzz|cross]...
#   core   compiler and build tools: enough for the build without windows
#   build  core plus Qt 6 Widgets and the dialog font
#   test   build plus the test tools
#   fuzz   clang with libFuzzer
#   cross  the aarch64 cross compiler and qemu-user
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
# libFuzzer and the sanitizer runtimes for clang 14 (-fsanitize=fuzzer).
fuzz_packages=(clang-14 libclang-rt-14-dev)
# The aarch64 cross compiler with its C library, and qemu to run what it
# builds. GoogleTest is then built from the googletest source package.
# libcsv comes for arm64 from Debian's multiarch archive.
cross_packages=(g++-aarch64-linux-gnu libc6-dev-arm64-cross qemu-user googletest libcsv-dev:arm64)

wanted=()
for group in "${@:-build}"; do
    case "$group" in
        core) wanted+=("${core_packages[@]}") ;;
        build) wanted+=("${build_packages[@]}") ;;
        test) wanted+=("${build_packages[@]}" "${test_packages[@]}") ;;
        fuzz) wanted+=("${build_packages[@]}" "${fuzz_packages[@]}") ;;
        cross) wanted+=("${build_packages[@]}" "${cross_packages[@]}") ;;
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
    # Packages of another architecture (name:arch) need it enabled in dpkg.
    for package in "${missing[@]}"; do
        if [[ $package == *:* ]] && ! dpkg --print-foreign-architectures | grep -qx "${package##*:}"; then
            "${sudo_cmd[@]}" dpkg --add-architecture "${package##*:}"
        fi
    done
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}" </dev/null
fi
