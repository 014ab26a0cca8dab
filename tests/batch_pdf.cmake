# Prints a tape to PDF in batch mode and reads the pages back with
# pdftotext: the printed lines and the footer must be there.
set(pdf "${WORK}/batch-print.pdf")
file(REMOVE "${pdf}")
execute_process(COMMAND "${VORLEX}" --batch --keys "100 + 200 - 12 X 3 + Ttl" --print-pdf "${pdf}"
  RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "vorlex failed (${rc}): ${err}")
endif()
execute_process(COMMAND "${PDFTOTEXT}" -layout "${pdf}" - OUTPUT_VARIABLE text RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pdftotext failed")
endif()
# pdftotext may widen the gaps of a fixed-pitch line: compare with the
# blanks squeezed.
string(REGEX REPLACE "[ ]+" " " text "${text}")
foreach(line "100.00 +" "200.00 -" "12.00 X" "3.00 =" "36.00 +" "-64.00 Ttl ;3 Items (2 Pos, 1 Neg)"
             "Page 1 of 1")
  string(FIND "${text}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "'${line}' is not in the printout:\n${text}")
  endif()
endforeach()
