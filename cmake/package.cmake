# The Debian package, made by CPack from the install rules: scripts/package builds it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ulnik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ulnik")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for Polish school term reports")
set(CPACK_PACKAGE_DESCRIPTION "\
Ulnik shows the term reports (sprawozdania) that teachers and the head teacher
hand in as XML files: it works out which of the nine report types a file is,
renders it as a page, and prints it or copies its text. It also lists every
report lying in a folder on one page.
.
The package also holds ulnik-render, which writes the same pages from the
command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ulnik)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ulnik developers <ulnik@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/ulnik/ulnik")
# Libraries from the binaries; the page's fonts (the program's fonts.conf names them) and Qt's
# translations of its own dialogs by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")

# lintian's overrides belong to the package, not to every `cmake --install`.
set(CPACK_CUSTOM_INSTALL_VARIABLES ULNIK_DEBIAN_PACKAGE=ON)
install(CODE "
    if(ULNIK_DEBIAN_PACKAGE)
        file(INSTALL ${ULNIK_PACKAGING_DIR}/lintian-overrides/ulnik
             DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/lintian/overrides\"
             FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()")

include(CPack)
