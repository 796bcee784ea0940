# The Debian package of the game: `cpack -G DEB` in the build folder. The package installs under
# /usr whatever prefix the build was configured with; its dependencies are read from the
# program's shared libraries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME quintara)
set(CPACK_PACKAGE_VENDOR "The Quintara developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five in a row on squared paper")
set(CPACK_PACKAGE_DESCRIPTION "Quintara is a game of five in a row played on a sheet of \
squared paper, against the computer at four levels or against a second player. Games count \
into sets and sets into matches; the ten best match scores are kept in the user's data folder.")
set(CPACK_PACKAGE_CONTACT "The Quintara developers <quintara@example.org>" CACHE STRING
    "Maintainer of the Debian package")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's French translation names the edit fields' menus; no library of the program names it, so
# it is added to the dependencies dpkg-shlibdeps computes. (The X11 platform plugin the window
# opens with comes with libqt6gui6, a computed dependency.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)

include(CPack)
