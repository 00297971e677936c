# The Debian package: `cpack -G DEB` in the build folder makes
# velloro_<version>_amd64.deb from the install rules.
set(CPACK_PACKAGE_NAME velloro)
set(CPACK_PACKAGE_VENDOR "Velloro developers")
set(CPACK_PACKAGE_CONTACT "Velloro developers <developers@velloro.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design relief titles and logos for web pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Velloro renders a line of text, a drawn shape or a subject cut out of a photo as a bevelled, lit relief onto a canvas and saves it as BMP or JPEG, prints it or copies it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velloro.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system and image plugins at run time, out of
# dpkg-shlibdeps' sight: the window system is needed, WebP only wanted.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")
include(CPack)
