# Builds the Debian package of this build into a scratch folder and checks its name, its
# dependencies and its list of files.
find_program(DPKG_DEB dpkg-deb)
get_filename_component(cmake_dir "${CMAKE_COMMAND}" DIRECTORY)
find_program(CPACK cpack HINTS "${cmake_dir}")
if(NOT DPKG_DEB OR NOT CPACK)
  message("SKIPPED: dpkg-deb or cpack is missing, the package cannot be built here")
  return()
endif()
file(REMOVE_RECURSE "${WORK}")
# Uncompressed and unstripped: the test checks what goes in, quickly.
execute_process(COMMAND "${CPACK}" -G DEB -B "${WORK}" --config "${BUILD}/CPackConfig.cmake"
                        -D CPACK_DEBIAN_COMPRESSION_TYPE=none -D CPACK_STRIP_FILES=OFF
                WORKING_DIRECTORY "${BUILD}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}${err}")
endif()
file(GLOB debs "${WORK}/*.deb")
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${WORK}/corvana_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
  message(FATAL_ERROR "expected ${deb}, cpack made: ${debs}")
endif()

execute_process(COMMAND "${DPKG_DEB}" -f "${deb}" Package Depends OUTPUT_VARIABLE fields)
foreach(dep "libqt6widgets6" "libqt6printsupport6" "libgumbo" "qt6-qpa-plugins" "fonts-liberation2")
  if(NOT fields MATCHES "${dep}")
    message(FATAL_ERROR "the package does not depend on ${dep}:\n${fields}")
  endif()
endforeach()

execute_process(COMMAND "${DPKG_DEB}" -c "${deb}" OUTPUT_VARIABLE list)
foreach(entry "./usr/bin/corvana -> ../lib/corvana/corvana"
              "./usr/bin/corvana-cli -> ../lib/corvana/corvana-cli"
              "./usr/lib/corvana/corvana$" "./usr/lib/corvana/corvana-cli$" "./usr/lib/corvana/download$"
              "./usr/share/corvana/tabelas/poupanca13.tab$" "./usr/share/corvana/tabelas/images/index.htm$"
              "./usr/share/corvana/exemplos/exemplo-poupanca.e12$"
              "./usr/share/applications/corvana.desktop$" "./usr/share/mime/packages/corvana.xml$"
              "./usr/share/icons/hicolor/scalable/apps/corvana.svg$")
  string(REPLACE "." "\\." pattern "${entry}")
  string(REPLACE "$" "\n" pattern "${pattern}")
  if(NOT list MATCHES " ${pattern}")
    message(FATAL_ERROR "missing from the package: ${entry}\n${list}")
  endif()
endforeach()
# Nothing outside /usr, no generic program name in the path, no build or source paths.
string(REGEX MATCHALL " \\./[^ \n]*" paths "${list}")
foreach(p ${paths})
  string(STRIP "${p}" p)
  if(NOT p MATCHES "^\\./(usr/.*)?$" OR p MATCHES "^\\./usr/bin/download" OR p MATCHES "CPack|/build/")
    message(FATAL_ERROR "unexpected file in the package: ${p}")
  endif()
endforeach()
