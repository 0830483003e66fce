# "resumo" end to end: one line per calculation given or found in a folder, the total with the
# other data folder and the difference, the CSV, and the data folder left as it was.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
function(run status out)
  execute_process(COMMAND "${CLI}" ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE o ERROR_VARIABLE e)
  if(NOT rc EQUAL status)
    message(FATAL_ERROR "corvana-cli ${ARGN}: exit ${rc}, expected ${status}\n${o}${e}")
  endif()
  set(${out} "${o}${e}" PARENT_SCOPE)
endfunction()
function(expect_in text what)
  string(FIND "${text}" "${what}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected \"${what}\" in:\n${text}")
  endif()
endfunction()

set(case "${CASES}/estado/sao-paulo-official-table")
file(COPY "${case}/data/" DESTINATION "${WORK}/agora")
file(COPY "${case}/data/" DESTINATION "${WORK}/antes")
# The earlier folder's factor of the final month was lower.
file(READ "${WORK}/antes/t0001.tab" t0001)
string(REPLACE "01/2026\t101,977695" "01/2026\t100,000000" t0001 "${t0001}")
file(WRITE "${WORK}/antes/t0001.tab" "${t0001}")
file(GLOB_RECURSE before_files "${WORK}/agora/*")

run(0 out resumo --data-dir "${WORK}/agora" --comparar "${WORK}/antes" --csv "${WORK}/resumo.csv"
    "${case}/calculo.e12")
expect_in("${out}" "Cálculos por Estado - Débitos Judiciais São Paulo — até 01/2026 — total R$ 11.536,05")
expect_in("${out}" "tabelas: t0001.tab até 01/2026 (oficial)")
expect_in("${out}" "— anterior R$ 11.312,31 — diferença 223,74")
file(GLOB_RECURSE after_files "${WORK}/agora/*")
if(NOT before_files STREQUAL after_files)
  message(FATAL_ERROR "resumo wrote into the data folder:\n${after_files}")
endif()
# The CSV is Windows-1252 with CR LF: a header and one line.
file(READ "${WORK}/resumo.csv" csv)
string(REGEX MATCHALL "\n" ends "${csv}")
list(LENGTH ends lines)
if(NOT lines EQUAL 2)
  message(FATAL_ERROR "expected a header and one line in the CSV:\n${csv}")
endif()
expect_in("${csv}" "Arquivo;Calculadora;")
expect_in("${csv}" ";01/2026;R$ 11.536,05;t0001.tab ")
expect_in("${csv}" " 01/2026 (oficial);R$ 11.312,31;223,74;")

# A folder: every calculation file below it, one line each; the stopped ones say why.
run(1 out resumo --data-dir "${WORK}/agora" "${CASES}/estado")
expect_in("${out}" "sao-paulo-official-table/calculo.e12 — Cálculos por Estado")
expect_in("${out}" "sao-paulo-factors-compound/calculo.e12 — Cálculos por Estado - Débitos Judiciais São Paulo — parou: O mês 11/2026 não existe na tabela t0001.tab")

run(2 out resumo --data-dir "${WORK}/agora")
