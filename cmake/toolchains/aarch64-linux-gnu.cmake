# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Cross build for 64-bit ARM with Debian's aarch64-linux-gnu compilers. The
# programs run on this machine under qemu-user, which CMake also uses to list
# the tests of each test program when it is built.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# The cross C library, then the system root for Debian's multiarch arm64
# libraries (/usr/lib/aarch64-linux-gnu) and the architecture-independent
# headers and CMake packages (CLI11, nlohmann-json).
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /usr/aarch64-linux-gnu)
