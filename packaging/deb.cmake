# `cpack -G DEB` in the build folder makes the Debian package of what packaging/install.cmake
# installs. The run-time dependencies come from the programs themselves (dpkg-shlibdeps).
set(TESSALINE_MAINTAINER "Tessaline developers <developers@tessaline.org>")

# The machine-readable copyright file, with the maintainer as the upstream contact.
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_BINARY_DIR}/desktop/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaline)

set(CPACK_PACKAGE_NAME tessaline)
set(CPACK_PACKAGE_VENDOR "Tessaline developers")
set(CPACK_PACKAGE_CONTACT ${TESSALINE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility for thermal label printers")
# Lines as the package shows them; an empty line starts a paragraph.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tessaline edits the settings of thermal label printers of the RV-940 and\n"
    "RV-943 line and sends them over a CUPS queue, a serial, parallel or USB\n"
    "printer port, or TCP/IP. It reads the configuration, status, counters and\n"
    "machine information back, imports and exports .prn files, runs the media\n"
    "sensor adjustment and prints test labels.\n"
    "\n"
    "The package holds the window program (tessaline), the command line tool\n"
    "(tessaline-cli) and a printer simulator for trying both without a printer\n"
    "(tessaline-sim).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TESSALINE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The CUPS client library is opened when a queue is first needed, so the programs do not name it
# for dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libcups2)
# Printer queues are found through a local CUPS server; ports and TCP work without one.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS cups)

include(CPack)
