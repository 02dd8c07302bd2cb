# `make package` (the CMake target "package"): a Debian package
# kp_<version>_<arch>.deb of the installed component "kp", made from the tree
# already built. Its Qt dependencies are read from the program itself by
# dpkg-shlibdeps. Installing it puts files under usr/share/applications,
# usr/share/mime/packages and usr/share/icons/hicolor, whose owners'
# triggers update the desktop, MIME and icon caches: no scripts of our own.
# Further components join the package when added to KP_PACKAGE_COMPONENTS.
set(KP_PACKAGE_COMPONENTS kp CACHE STRING "Install components that go into the package")

set(CPACK_PACKAGE_NAME kp)
set(CPACK_PACKAGE_VENDOR "Kp")
set(CPACK_PACKAGE_CONTACT "Kp maintainers <kp@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer and converter for waveform recordings of memory recorders")
set(CPACK_PACKAGE_DESCRIPTION
  "Kp opens the waveform files and index files of memory recorders and data recorders, draws their analog, logic, pulse and calculated channels, shows the instrument settings, measures between two cursors and converts recordings to comma-, space- or tab-separated text, also unattended from the command line.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${KP_PACKAGE_COMPONENTS})
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_PACKAGE_NAME kp)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")

include(CPack)
