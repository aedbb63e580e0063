# The Debian package, made from what `cmake --install` puts in place: `cpack -G DEB` in the
# build folder (scripts/package does both) writes numbrel_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numbrel)
set(CPACK_PACKAGE_VENDOR "The Numbrel developers")
# The project has no mail address. Written as a mail group without members (RFC 5322), the field
# names the maintainers and gives no address, which Debian's tools accept.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Numbrel developers:;")
set(CPACK_PACKAGE_DESCRIPTION [[
One fixed window with a power switch, a green display and a keypad:
the four operations and powers, rounding, absolute value, integer part,
square, square root, and sine, cosine and tangent of angles in degrees.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from the binary (dpkg-shlibdeps); Qt's platform plugins are loaded at run
# time, so the scan cannot see them, and without one the window cannot open; the display's font,
# Liberation Sans, and the narrow face of long numbers and captions are found at run time too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-liberation")
# Qt's own texts (the display's context menu) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
