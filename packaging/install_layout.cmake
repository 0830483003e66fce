# Where `cmake --install` and the package put the program's files. Elsewhere than Windows:
# the programs in <prefix>/lib/corvana (with the updater beside them) and links to them in
# <prefix>/bin; tables, help page and examples in <prefix>/share/corvana. On Windows every
# file goes into the installation folder, where the program looks for them.
if(WIN32)
  set(CORVANA_PROGRAM_DIR ".")
  set(CORVANA_SHARE_DIR ".")
else()
  set(CORVANA_PROGRAM_DIR "lib/corvana")
  set(CORVANA_SHARE_DIR "share/corvana")
endif()

# corvana_install_program(<target>): installs the program file and, on Linux, its link in bin.
function(corvana_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION "${CORVANA_PROGRAM_DIR}")
  if(NOT WIN32)
    install(CODE "
      set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
      file(MAKE_DIRECTORY \"\${bin}\")
      file(REMOVE \"\${bin}/${target}\")
      file(CREATE_LINK \"../${CORVANA_PROGRAM_DIR}/${target}\" \"\${bin}/${target}\" SYMBOLIC)
      message(STATUS \"Link: \${bin}/${target} -> ../${CORVANA_PROGRAM_DIR}/${target}\")")
  endif()
endfunction()

# Installing and packaging take what is built; they build nothing (`make package` builds first),
# so a test that packages the build never starts a build of its own.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
