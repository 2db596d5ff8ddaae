# Where the program and its desktop integration go, and the Debian package made from them.
include(GNUInstallDirs)

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${QUORVEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${QUORVEL_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/${QUORVEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel team")
set(CPACK_PACKAGE_CONTACT "The Quorvel team <team@quorvel.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quorvel.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "see how a mirror reflects light, path by path")
set(CPACK_PACKAGE_DESCRIPTION "Quorvel shows how a mirror reflects light in the sum-over-paths picture: \
it draws, segment by segment, the paths of the light via a mirror, their photon vectors and the spiral \
they make head to tail, then marks the path of least time and the sum vector.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries the binary links come from dpkg-shlibdeps; the platform plugins that open the
# window do not show in the binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The toolkit's own translations, for its file dialog and menus in the program's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
