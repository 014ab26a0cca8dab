# Runs `vorlex --batch` with the arguments of KEYS (one argument per line,
# blank lines and lines starting with "//" ignored) and compares the result
# with EXPECTED: standard output, then "--- stderr" and standard error when
# there is any, then "--- exit N" when the status is not 0.
file(STRINGS "${KEYS}" lines)
set(args --batch)
foreach(line IN LISTS lines)
  if(line STREQUAL "" OR line MATCHES "^//")
    continue()
  endif()
  list(APPEND args "${line}")
endforeach()
execute_process(COMMAND "${VORLEX}" ${args}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
set(actual "${out}")
if(NOT err STREQUAL "")
  string(APPEND actual "--- stderr\n${err}")
endif()
if(NOT rc EQUAL 0)
  string(APPEND actual "--- exit ${rc}\n")
endif()
file(READ "${EXPECTED}" expected)
if(NOT actual STREQUAL expected)
  file(WRITE "${EXPECTED}.actual" "${actual}")
  message(FATAL_ERROR "Output differs from ${EXPECTED}\n--- actual:\n${actual}--- expected:\n${expected}")
endif()
