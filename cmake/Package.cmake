# The Debian package: "cpack" in the build folder writes tolkconv_<version>_<arch>.deb holding
# the installed tree of cmake/Install.cmake under "/".
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolkconv)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch converter for folders of GPS data files")
set(CPACK_PACKAGE_DESCRIPTION "\
TOLK Batch File Converter converts every GPS data file of one type in a
folder to another type, optionally merging a file of a third type and
changing the grid and the datum. The conversions are carried out by
gpsbabel. The package holds the window program tolkconv and the
command-line program tolkconv-batch.")
# The maintainer is whoever builds and hands out the package; Debian's tools take that person
# from DEBFULLNAME and DEBEMAIL. Without them the package says it is a local build, with an
# address in the domain reserved never to work (.invalid) rather than a made-up one.
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
    set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
    set(maintainer "tolkconv local build <local-build@tolkconv.invalid>")
endif()
set(TOLK_PACKAGE_MAINTAINER ${maintainer} CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT ${TOLK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps names the libraries the executables link (the Qt libraries among them); the
# rest is loaded or run only at run time: gpsbabel, which carries out every conversion, the Qt
# platform plugins, the SQLite driver that Qt Help reads the compiled help with, and the font
# the window's layout is measured in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gpsbabel, qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation2")
# Under a Wayland session Qt draws the window natively with this plugin; without it, the window
# still opens through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# The folder of the machine-wide record: made on installation, removed on purge
# (data/package/postinst.in and postrm.in).
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_BINARY_DIR}/data/package/postinst ${PROJECT_BINARY_DIR}/data/package/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
