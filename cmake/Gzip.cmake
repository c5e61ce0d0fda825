# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# tavilo_gzip(INPUT OUTPUT): compresses a file at build time the way Debian
# ships manual pages and changelogs (best compression, no name or time stamp).
find_program(GZIP_EXECUTABLE gzip REQUIRED)
function(tavilo_gzip input output)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${input} > ${output}
                     DEPENDS ${input} VERBATIM)
endfunction()
