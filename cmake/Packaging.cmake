# The Debian package (CPack's DEB generator, run by scripts/package.sh). Its file name carries
# the version as the update checker reads it from installer names: "_V_" and the version with
# "_" for ".", then the extension, e.g. vordalis_amd64_V_2_8_0.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vordalis)
set(CPACK_PACKAGE_VENDOR Morvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer and transfer tools for concrete test instruments")
set(CPACK_PACKAGE_DESCRIPTION
    "Vordalis is the desktop suite for hand-held instruments that test
reinforced concrete: cover meters, which locate rebars and measure the
concrete cover over them, and rebound hammers, whose rebound values are
converted into compressive strength (also by the Chinese standard JGJ/T 23).
.
The viewer vordalis opens measurement object files (.vdo) and shows, prints
and summarises them; ondralink copies objects from an instrument over a
serial cable into a folder, and tamlo fetches one object for the viewer.
vordalis-cli and vordalis-transfer do the same without a window, and
instrument-sim simulates an instrument on a pseudo-terminal.")
set(VORDALIS_PACKAGE_MAINTAINER "Morvex <support@morvex.com>" CACHE STRING "Maintainer field of the package")
set(CPACK_PACKAGE_CONTACT "${VORDALIS_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORDALIS_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.morvex.com/")
# Dependencies on shared libraries come from dpkg-shlibdeps; the file-type and menu databases
# are brought up to date by these packages' triggers on our files.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE deb_arch
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT deb_arch)
  set(deb_arch ${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${deb_arch})
string(REPLACE "." "_" version_underscored ${PROJECT_VERSION})
set(VORDALIS_PACKAGE_FILE vordalis_${deb_arch}_V_${version_underscored}.deb)
set(CPACK_DEBIAN_FILE_NAME ${VORDALIS_PACKAGE_FILE})
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
