# The Debian package: cmake --build build --target package (or cpack -G DEB in the build folder)
# writes zizaza_<version>_amd64.deb with everything the install rules put under /usr.
install(FILES ${PROJECT_SOURCE_DIR}/src/app/desktop/zizaza.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zizaza)
file(ARCHIVE_CREATE OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz PATHS ${PROJECT_SOURCE_DIR}/cmake/changelog FORMAT raw
     COMPRESSION GZip)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zizaza)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zizaza)
set(CPACK_PACKAGE_VENDOR "Zizaza 2017")
set(CPACK_PACKAGE_CONTACT "Zizaza 2017 developers <zizaza@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal income-tax declaration 3-NDFL for 2017")
set(CPACK_PACKAGE_DESCRIPTION
    "Zizaza 2017 prepares the Russian personal income-tax declaration 3-NDFL\n(and 4-NDFL) for the tax year 2017: it checks the declaration, calculates\nthe tax, prints the forms and writes the XML file for the tax service.\nThe command zizaza-cli does the same without a screen.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from what the programs are linked with; the print module is our own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
# Russian texts of Qt's own dialogs, the fonts of the printed forms.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core")
include(CPack)
