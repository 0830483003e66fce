# Replays one saved URV calculation on a fresh copy of its data folder and checks the result:
# the report byte for byte, the report and backup in the data folder, or the stopping status.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${CASE}/data/" DESTINATION "${WORK}/data")
execute_process(COMMAND "${CLI}" report --data-dir "${WORK}/data" --window urv "${CASE}/calculo.urv"
                        -o "${WORK}/relatorio.html"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(expected_rc 0)
if(EXISTS "${CASE}/status")
  file(STRINGS "${CASE}/status" expected_rc LIMIT_COUNT 1)
endif()
if(NOT rc EQUAL expected_rc)
  message(FATAL_ERROR "exit ${rc}, expected ${expected_rc}\n${out}\n${err}")
endif()
if(expected_rc EQUAL 0)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/relatorio.html" "${CASE}/esperado.html"
                  RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "report differs from ${CASE}/esperado.html (written: ${WORK}/relatorio.html)")
  endif()
  if(NOT EXISTS "${WORK}/data/urvdif.html" OR NOT EXISTS "${WORK}/data/temp_urv.back")
    message(FATAL_ERROR "no report or backup in the data folder")
  endif()
  # Without --window the extension ".urv" opens the file in the URV window, and the backup the
  # run left behind replays to the same report.
  file(COPY "${CASE}/data/" DESTINATION "${WORK}/again")
  file(COPY "${WORK}/data/temp_urv.back" DESTINATION "${WORK}/again")
  execute_process(COMMAND "${CLI}" report --data-dir "${WORK}/again" "${CASE}/calculo.urv" -o "${WORK}/sem-janela.html"
                  RESULT_VARIABLE rc2 OUTPUT_QUIET ERROR_QUIET)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/sem-janela.html" "${CASE}/esperado.html"
                  RESULT_VARIABLE diff2)
  file(MAKE_DIRECTORY "${WORK}/back")
  file(COPY "${CASE}/data/" DESTINATION "${WORK}/back")
  execute_process(COMMAND "${CLI}" report --data-dir "${WORK}/back" "${WORK}/again/temp_urv.back" -o "${WORK}/backup.html"
                  RESULT_VARIABLE rc3 OUTPUT_QUIET ERROR_QUIET)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/backup.html" "${CASE}/esperado.html"
                  RESULT_VARIABLE diff3)
  if(NOT rc2 EQUAL 0 OR NOT diff2 EQUAL 0 OR NOT rc3 EQUAL 0 OR NOT diff3 EQUAL 0)
    message(FATAL_ERROR "the replay by extension (${rc2}/${diff2}) or of the backup (${rc3}/${diff3}) differs")
  endif()
  # Messages that do not stop the run (the final date moved to the table) are expected only
  # where the case says so.
  if(EXISTS "${CASE}/stderr")
    file(READ "${CASE}/stderr" expected_err)
    if(NOT err STREQUAL expected_err)
      message(FATAL_ERROR "messages differ:\n${err}")
    endif()
  elseif(NOT err STREQUAL "")
    message(FATAL_ERROR "unexpected messages:\n${err}")
  endif()
else()
  if(EXISTS "${WORK}/relatorio.html" OR EXISTS "${WORK}/data/urvdif.html")
    message(FATAL_ERROR "a stopped calculation wrote a report")
  endif()
  if(err STREQUAL "")
    message(FATAL_ERROR "a stopped calculation printed no message")
  endif()
endif()
