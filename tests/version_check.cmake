# `vorlex --version` prints "vorlex VERSION" and exits 0 with no display and
# no Qt platform named: it must never start the window's machinery.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
foreach(args "--version" "--batch;--version")
  execute_process(COMMAND "${VORLEX}" ${args}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "vorlex ${VERSION}\n" OR NOT err STREQUAL "")
    message(FATAL_ERROR "vorlex ${args}: exit ${rc}\nstdout: ${out}\nstderr: ${err}")
  endif()
endforeach()
