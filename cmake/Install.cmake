# Installation as a desktop application (cmake --install) and the Debian package (cpack -G DEB).
# The program looks for its data as ../share/lumarik from its own folder, so the destinations
# are fixed here instead of taken from GNUInstallDirs.
set(LUMARIK_APP_ID de.lumarik.Lumarik)
set(dataDir "${PROJECT_SOURCE_DIR}/data")

install(TARGETS lumarik lumarik-calc RUNTIME DESTINATION bin)
install(TARGETS lumarik_qtoutput LIBRARY DESTINATION lib/lumarik)
install(FILES "${dataDir}/man/lumarik-calc.1" DESTINATION share/man/man1)
install(FILES "${dataDir}/debian/copyright" DESTINATION share/doc/lumarik)
file(GLOB sampleData "${dataDir}/SH_*.dat")
install(FILES ${sampleData} DESTINATION share/lumarik)
install(FILES "${dataDir}/${LUMARIK_APP_ID}.desktop" DESTINATION share/applications)
install(FILES "${dataDir}/${LUMARIK_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
install(DIRECTORY "${dataDir}/icons/hicolor" DESTINATION share/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumarik)
set(CPACK_PACKAGE_VENDOR Lumarik)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Paraxial design of lens and mirror systems and Gaussian beams")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Lumarik <lumarik@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
# CPack puts the summary first and indents the text as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Lumarik works out the first-order layout of one thin lens or one mirror: choose
three of nine distances and field sizes, type their values, and it solves, lists
and draws the rest. A Gaussian-beam mode follows a laser beam through the same
lens. The program speaks German.")
# The Qt libraries the program links come from dpkg-shlibdeps; Qt's German texts for its own
# dialogs are a separate package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
