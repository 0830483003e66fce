# Replays one saved calculation on a fresh copy of its data folder and checks the result.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${CASE}/data/" DESTINATION "${WORK}/data")
# A case for a court-debt window names it in the file "window" (tjsp, tjmg, tjpr, tjpre, jf, sp).
set(window_args)
if(EXISTS "${CASE}/window")
  file(STRINGS "${CASE}/window" window LIMIT_COUNT 1)
  set(window_args --window ${window})
endif()
# The saved calculation: calculo.e12, or the file of another window (calculo.fg, calculo.jfgts).
set(calc "${CASE}/calculo.e12")
if(NOT EXISTS "${calc}")
  file(GLOB calc "${CASE}/calculo.*")
endif()
execute_process(COMMAND "${CLI}" report --data-dir "${WORK}/data" ${window_args} "${calc}" -o "${WORK}/relatorio.html"
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
  # The report and the backup are also in the data folder, as the window leaves them.
  if(NOT EXISTS "${WORK}/data/temp2.back" AND NOT EXISTS "${WORK}/data/temptj.back"
     AND NOT EXISTS "${WORK}/data/tempjf.back"
     AND NOT EXISTS "${WORK}/data/tempsp.back" AND NOT EXISTS "${WORK}/data/fgts.back"
     AND NOT EXISTS "${WORK}/data/temp_jfgts.back"
     AND NOT EXISTS "${WORK}/data/temp_jfgtsdif.back")
    message(FATAL_ERROR "no backup in the data folder")
  endif()
  if(NOT EXISTS "${WORK}/data/teste.html" AND NOT EXISTS "${WORK}/data/teste2.html"
     AND NOT EXISTS "${WORK}/data/jf.html" AND NOT EXISTS "${WORK}/data/fgt.html"
     AND NOT EXISTS "${WORK}/data/jfgts.html"
     AND NOT EXISTS "${WORK}/data/jfgtsdif.html")
    message(FATAL_ERROR "no report in the data folder")
  endif()
else()
  if(EXISTS "${WORK}/relatorio.html" OR EXISTS "${WORK}/data/temp2.back"
     OR EXISTS "${WORK}/data/temptj.back" OR EXISTS "${WORK}/data/tempjf.back"
     OR EXISTS "${WORK}/data/tempsp.back"
     OR EXISTS "${WORK}/data/fgts.back" OR EXISTS "${WORK}/data/temp_jfgts.back"
     OR EXISTS "${WORK}/data/temp_jfgtsdif.back")
    message(FATAL_ERROR "a stopped calculation wrote files")
  endif()
  if(err STREQUAL "")
    message(FATAL_ERROR "a stopped calculation printed no message")
  endif()
  # A case may name the message it must stop with (file "mensagem", UTF-8).
  if(EXISTS "${CASE}/mensagem")
    file(STRINGS "${CASE}/mensagem" expected_message LIMIT_COUNT 1)
    string(FIND "${err}" "${expected_message}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "expected the message \"${expected_message}\", got:\n${err}")
    endif()
  endif()
endif()
