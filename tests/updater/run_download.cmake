# Runs `download` twice on a scratch data folder: a fresh install, then an update that must
# keep the user's plan table; then once with a missing source, which must fail.
file(REMOVE_RECURSE "${WORK}")
set(data "${WORK}/Corvana/DURAviv")
execute_process(COMMAND "${DOWNLOAD}" --data-dir "${data}" --sem-reiniciar
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "fresh install failed (${rc}): ${out}${err}")
endif()
foreach(f "font.ini" "images/index.htm" "Justiça Federal - Ações Condenatórias em Geral.tab")
  if(NOT EXISTS "${data}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

file(WRITE "${data}/font.ini" "Minha Fonte\r\n11\r\n")
file(WRITE "${data}/Justiça Federal - Ações Condenatórias em Geral.tab" "velha\r\n")
execute_process(COMMAND "${DOWNLOAD}" --data-dir "${data}" --sem-reiniciar RESULT_VARIABLE rc)
file(READ "${data}/font.ini" font HEX)  # bytes, CR LF included
file(READ "${data}/Justiça Federal - Ações Condenatórias em Geral.tab" table)
if(NOT rc EQUAL 0 OR NOT font STREQUAL "4d696e686120466f6e74650d0a31310d0a" OR table MATCHES "^velha")
  message(FATAL_ERROR "update must replace tables and keep font.ini: rc=${rc} font=${font}")
endif()

execute_process(COMMAND "${DOWNLOAD}" --data-dir "${WORK}/outra" --origem "${WORK}/nada"
                        --sem-reiniciar
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR EXISTS "${WORK}/outra")
  message(FATAL_ERROR "a missing source must fail and create nothing: rc=${rc} ${err}")
endif()
