# Installs the build into a scratch folder (DESTDIR, prefix /usr, no root needed), then runs the
# installed corvana-cli: it must find the installed tables, not the source tree's.
file(REMOVE_RECURSE "${WORK}")
set(root "${WORK}/root")
set(ENV{DESTDIR} "${root}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /usr
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
unset(ENV{DESTDIR})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed (${rc}): ${out}${err}")
endif()
set(usr "${root}/usr")

# The layout: programs and updater in lib/corvana, links in bin, shared files in share.
foreach(f lib/corvana/corvana lib/corvana/corvana-cli lib/corvana/download
          share/corvana/tabelas/poupanca13.tab share/corvana/tabelas/images/index.htm
          share/corvana/exemplos/exemplo-poupanca.e12 share/applications/corvana.desktop
          share/mime/packages/corvana.xml share/icons/hicolor/scalable/apps/corvana.svg)
  if(NOT EXISTS "${usr}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
foreach(p corvana corvana-cli)
  if(NOT IS_SYMLINK "${usr}/bin/${p}")
    message(FATAL_ERROR "bin/${p} is not a link to lib/corvana/${p}")
  endif()
  file(READ_SYMLINK "${usr}/bin/${p}" target)
  if(NOT target STREQUAL "../lib/corvana/${p}")
    message(FATAL_ERROR "bin/${p} points to ${target}")
  endif()
endforeach()
if(EXISTS "${usr}/bin/download")
  message(FATAL_ERROR "the updater must not be installed in bin")
endif()

# instalar-tabelas fills an empty folder from the installed tables (through the link in bin).
set(cli "${usr}/bin/corvana-cli")
set(data "${WORK}/dados")
execute_process(COMMAND "${cli}" instalar-tabelas --data-dir "${data}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REAL_PATH "${usr}/share/corvana/tabelas" installed)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Tabelas de ${installed}\n")
  message(FATAL_ERROR "instalar-tabelas (${rc}) must install from ${installed}:\n${out}${err}")
endif()
if(NOT EXISTS "${data}/Justiça Federal - Ações Condenatórias em Geral.tab"
   OR NOT EXISTS "${data}/images/index.htm")
  message(FATAL_ERROR "instalar-tabelas left the data folder incomplete")
endif()
# A second run refreshes the tables and keeps the user's settings.
file(WRITE "${data}/font.ini" "Minha Fonte\r\n11\r\n")
file(WRITE "${data}/poupanca13.tab" "velha\r\n")
execute_process(COMMAND "${cli}" instalar-tabelas --data-dir "${data}" RESULT_VARIABLE rc
                OUTPUT_QUIET)
file(READ "${data}/font.ini" font)
file(READ "${data}/poupanca13.tab" table)
if(NOT rc EQUAL 0 OR NOT font MATCHES "^Minha Fonte" OR table MATCHES "^velha")
  message(FATAL_ERROR "a refresh must replace tables and keep font.ini (rc=${rc})")
endif()

# The installed example replays on that folder without naming its window.
execute_process(COMMAND "${cli}" report --data-dir "${data}"
                        "${usr}/share/corvana/exemplos/exemplo-poupanca.e12" -o "${WORK}/relatorio.html"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS "${WORK}/relatorio.html")
  message(FATAL_ERROR "report of the installed example failed (${rc}):\n${out}${err}")
endif()
file(READ "${WORK}/relatorio.html" report)
if(NOT report MATCHES "</html>")
  message(FATAL_ERROR "the report is not a whole document")
endif()
