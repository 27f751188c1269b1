# `cpack -G DEB` in the build folder makes glowshow-editor_<version>_<arch>.deb.
# The MIME database, the desktop database and the icon cache are refreshed by the dpkg
# triggers of shared-mime-info, desktop-file-utils and the icon theme, so no maintainer scripts.

set(CPACK_PACKAGE_NAME glowshow-editor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Glowshow Editor developers")
set(CPACK_PACKAGE_CONTACT "Glowshow Editor developers <maintainers@users.noreply.c-seed-927aff12.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the light programmes of Motorola phones")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Glowshow Editor 2 opens, edits and saves .pat files, the light programmes (glowshows)\n"
    "that a phone plays on its lit elements, and previews them on a picture of the device.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (dpkg-dev) turns the linked Qt libraries into versioned dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme, xdg-utils")

include(CPack)
