# Every text of translations/vorlex_*.ts has its translation (none unfinished,
# empty or left over from a text the sources dropped), and, where lupdate is
# installed, the file is what lupdate makes of the current sources: a window
# text added without a translation, or a source changed under one, fails.
file(GLOB ts_files "${SOURCE_DIR}/translations/vorlex_*.ts")
if(NOT ts_files)
  message(FATAL_ERROR "no translations in ${SOURCE_DIR}/translations")
endif()
foreach(ts IN LISTS ts_files)
  file(READ "${ts}" text)
  foreach(bad "type=\"unfinished\"" "type=\"vanished\"" "type=\"obsolete\"" "<translation></translation>")
    string(FIND "${text}" "${bad}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${ts}: an entry with ${bad}")
    endif()
  endforeach()
endforeach()

if(NOT LUPDATE OR NOT EXISTS "${LUPDATE}")
  message(STATUS "lupdate not installed (qt6-l10n-tools): sources not compared")
  return()
endif()
foreach(ts IN LISTS ts_files)
  get_filename_component(name "${ts}" NAME)
  set(copy "${WORK}/${name}")
  file(COPY_FILE "${ts}" "${copy}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env "TS_FILES=${copy}"
                          bash "${SOURCE_DIR}/translations/update.sh" "${LUPDATE}"
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${copy}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${ts}" "${copy}" RESULT_VARIABLE differ)
  if(differ)
    execute_process(COMMAND diff -u "${ts}" "${copy}")
    message(FATAL_ERROR "${name} is not what lupdate makes of the sources: "
                        "run translations/update.sh and translate the new entries")
  endif()
endforeach()
