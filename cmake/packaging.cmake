# The Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME cifrala)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practice program for school mathematics")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Cifrala makes exercises in school mathematics (and some physics, economics\n"
  "and geography arithmetic), typesets them on a worksheet and shows the worked\n"
  "solution one step at a time, with a hint for each step. A calculator, an\n"
  "on-screen keyboard, explanatory drawings and help pages come with it. All\n"
  "texts are in Dutch and English.")
set(CPACK_PACKAGE_CONTACT "Cifrala developers <cifrala@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt and C++ libraries come from dpkg-shlibdeps; the fonts the windows
# write in do not show up there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Without them the standard dialogs show English buttons in Dutch.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-liberation2")
# Only the program: no tests, benchmarks or development tools.
set(CPACK_COMPONENTS_ALL Unspecified)
include(CPack)
