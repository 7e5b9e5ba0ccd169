# The Debian package: what resources/linux.cmake installs, plus the copyright
# file and the changelog that Debian asks of every package.
include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VESKARO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends comes from the libraries the binary links, through dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without a CJK font the title and the error box show empty boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-wqy-microhei)
# Debian ships binaries stripped; the debug information stays in the build tree.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

set(doc ${PROJECT_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${doc}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${doc}/changelog @ONLY)
# Without name or time stamp, so that the same sources give the same bytes.
add_custom_command(OUTPUT ${doc}/changelog.gz
                   COMMAND gzip -9nc ${doc}/changelog > ${doc}/changelog.gz
                   DEPENDS ${doc}/changelog VERBATIM)
add_custom_target(veskaro_changelog ALL DEPENDS ${doc}/changelog.gz)
install(FILES ${doc}/copyright ${doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
