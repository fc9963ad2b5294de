# The Debian package: `cpack -G DEB` in a build folder (scripts/package does setup, a release
# build and this).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vrx)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "vrx developers")
set(CPACK_PACKAGE_CONTACT "vrx developers <vrx@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "monitor and drive a liquid-cooling controller")
set(CPACK_PACKAGE_DESCRIPTION
    "vrx shows the readings of a liquid-cooling controller box on a serial
(USB-serial) port once a second: temperatures, fan and pump speeds and
flows. It drives the fans and pumps at fixed levels or along temperature
curves, raises alarms, can power the computer off when a limit is passed,
records the readings and lives in the desktop's notification area.
.
The package also holds vrxsim, a simulated controller for trying vrx
without the hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The libraries the binaries link come from dpkg-shlibdeps; Qt's window-system plugins and the
# document opener Help uses are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
