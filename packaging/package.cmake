# The shared files of an installation, the desktop integration and the Debian package
# (`make package`, or `cpack -G DEB` in a build folder).
install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/tabelas/" DESTINATION "${CORVANA_SHARE_DIR}/tabelas")
install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/examples/" DESTINATION "${CORVANA_SHARE_DIR}/exemplos")
if(NOT WIN32)
  install(FILES "${CMAKE_SOURCE_DIR}/packaging/corvana.desktop" DESTINATION share/applications)
  install(FILES "${CMAKE_SOURCE_DIR}/packaging/corvana-mime.xml" DESTINATION share/mime/packages
          RENAME corvana.xml)
  install(FILES "${CMAKE_SOURCE_DIR}/packaging/corvana.svg"
          DESTINATION share/icons/hicolor/scalable/apps)
  install(FILES "${CMAKE_SOURCE_DIR}/README.md" DESTINATION share/doc/corvana)
endif()

set(CPACK_PACKAGE_NAME "corvana")
set(CPACK_PACKAGE_VENDOR "Corvana")
set(CPACK_PACKAGE_CONTACT "Corvana <suporte@corvana.example>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Cálculos judiciais: expurgos da poupança, débitos judiciais, FGTS e URV")
set(CPACK_PACKAGE_DESCRIPTION
    "Programa de cálculos para a prática jurídica: expurgos da poupança (1987-1991), atualização de débitos judiciais pelas tabelas dos tribunais, expurgos e juros progressivos do FGTS, revisão TR x INPC/IPCA-E e diferenças da conversão em URV. Relatórios em HTML editáveis e imprimíveis.")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR "DEB")
find_program(CORVANA_DPKG dpkg)
if(CORVANA_DPKG)
  execute_process(COMMAND "${CORVANA_DPKG}" --print-architecture
                  OUTPUT_VARIABLE CORVANA_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(NOT CORVANA_DEB_ARCH)
  set(CORVANA_DEB_ARCH "amd64")
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "${CORVANA_DEB_ARCH}")
set(CPACK_DEBIAN_FILE_NAME "corvana_${PROJECT_VERSION}_${CORVANA_DEB_ARCH}.deb")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries the programs link (Qt 6, gumbo, ...) come from dpkg-shlibdeps; what they load
# at run time is named here: the window-system plugins, Qt's Portuguese dialogs, the report font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
