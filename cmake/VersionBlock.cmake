# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Reads the version block, the single source of the program's version, into
# TAVILO_VB_<section>_<key> variables and TAVILO_VERSION (e.g. 1.0.0.1).
file(READ "${CMAKE_CURRENT_LIST_DIR}/../res/version_block.json" _tavilo_vb_json)
foreach(_section fixed stringFileInfo translation release)
  string(JSON _count LENGTH "${_tavilo_vb_json}" ${_section})
  math(EXPR _last "${_count} - 1")
  foreach(_i RANGE ${_last})
    string(JSON _key MEMBER "${_tavilo_vb_json}" ${_section} ${_i})
    string(JSON _value GET "${_tavilo_vb_json}" ${_section} ${_key})
    set(TAVILO_VB_${_section}_${_key} "${_value}")
  endforeach()
endforeach()
set(TAVILO_VERSION "${TAVILO_VB_fixed_fileVersion}")

# "Tavilo Version 1.0": the About box names the major and minor version.
string(REGEX MATCH "^[0-9]+\\.[0-9]+" TAVILO_SHORT_VERSION "${TAVILO_VERSION}")
