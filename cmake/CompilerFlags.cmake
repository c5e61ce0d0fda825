# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Flags shared by every target.
#
# The results must agree to the last bit on every architecture, so no
# multiply-add may be fused (GCC fuses them on aarch64 and with -march=native
# unless told not to) and no fast-math rewriting is allowed.
add_compile_options(-ffp-contract=off -fno-fast-math)
# GCC 12's SLP vectorizer turns complex multiplications into fused
# multiply-add/subtract instructions (vfmaddsub with -march=native) even
# under -ffp-contract=off; keep it out so that no operation is ever fused.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-fno-tree-slp-vectorize)
endif()

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion
                      -Wno-sign-conversion)
  if(TAVILO_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
    # GCC 12 reports -Wrestrict falsely for "literal" + std::string at -O3
    # (GCC bug 105329); it stays a warning so that it cannot fail a build.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      add_compile_options(-Wno-error=restrict)
    endif()
  endif()
endif()

# Release builds carry the hardening that Debian's packages use.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options($<$<CONFIG:Release>:-fstack-protector-strong>
                      $<$<CONFIG:Release>:-D_FORTIFY_SOURCE=2>)
  add_link_options($<$<CONFIG:Release>:LINKER:-z,relro,-z,now>)
endif()
