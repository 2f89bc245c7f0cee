# make package: a Debian package of both programs, the desktop entry ("Open with" for CSV
# files) and the samples, made by CPack from the install rules.
if(WIN32)
  return() # Windows has its own folder, zip and setup program (packaging/windows/)
endif()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION share/doc/gruppenstatistik/examples
  FILES_MATCHING PATTERN "*.csv")
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
  DESTINATION share/doc/gruppenstatistik)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gruppenstatistik)
set(CPACK_PACKAGE_VENDOR QVL)
set(CPACK_PACKAGE_CONTACT "QVL Gruppenstatistik <gruppenstatistik@qvl.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "traffic statistics of a lift group as charts (German)")
set(CPACK_PACKAGE_DESCRIPTION
  "Gruppenstatistik opens the semicolon-separated statistics file a lift group controller\n\
writes and shows it as eleven charts, key figures and a comparison of two periods; every\n\
chart prints on the default printer. gruppenstatistik-report writes the same report as text,\n\
JSON, PDF, CSV, PNG or SVG without a display. The user interface is German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # gruppenstatistik_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # Depends from the libraries the programs link
# Qt's German dialog texts and the metric twins of Arial the charts are laid out for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")
include(CPack)
