# `cpack -G DEB` (scripts/package.sh) makes taravin_<version>_<arch>.deb from the install rules.
# Its dependencies come from the shared libraries the programs link (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME taravin)
set(CPACK_PACKAGE_VERSION ${TARAVIN_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "Kestrow - Danlo Program")
set(CPACK_PACKAGE_CONTACT "Kestrow - Danlo Program")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "board game Amazons against a person or the computer")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The board's texts use Arial and Times Roman; these fonts have the same metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_PACKAGE_DESCRIPTION
  "Taravin plays Amazons: Red and Blue each have four amazons, which move like
chess queens and then throw an arrow that blocks its square for the rest of
the game; a side that cannot move loses. Each side is played by a person or
by the computer, with five search algorithms and six evaluation functions.

taravin-cli runs the engine on the command line, over UCI and in matches.")
include(CPack)
