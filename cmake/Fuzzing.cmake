# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# With TAVILO_BUILD_FUZZERS, every target is instrumented for libFuzzer's
# coverage and checked by AddressSanitizer and UndefinedBehaviorSanitizer, so
# that a fault anywhere below a fuzz target stops the run with a report.
# The fuzz targets themselves link libFuzzer's driver (tests/fuzz).
if(NOT TAVILO_BUILD_FUZZERS)
  return()
endif()

if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TAVILO_BUILD_FUZZERS needs clang (libFuzzer); "
                      "use the 'fuzz' preset or set CMAKE_CXX_COMPILER=clang++-14")
endif()

set(TAVILO_FUZZ_SANITIZERS address,undefined)
add_compile_options(-fsanitize=fuzzer-no-link,${TAVILO_FUZZ_SANITIZERS}
                    -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=${TAVILO_FUZZ_SANITIZERS})
