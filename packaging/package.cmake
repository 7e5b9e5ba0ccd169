# The release artefacts, made by CPack from the install rules: the Debian
# package on Linux, the zip of veskaro.exe on Windows (`--target package`).
if(NOT TARGET veskaro)
  return()
endif()

set(VESKARO_MAINTAINER "Veskaro maintainers <maintainers@veskaro.example>")

set(CPACK_PACKAGE_NAME veskaro)
set(CPACK_PACKAGE_VENDOR "The Veskaro developers")
set(CPACK_PACKAGE_CONTACT "${VESKARO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "record a freehand drawing and replay it as an animation")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_OUTPUT_FILE_PREFIX packages)
# Only the binary packages: a source tarball of the build tree helps no one.
set(CPACK_SOURCE_GENERATOR "")

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/win64.cmake)
else()
  include(${CMAKE_CURRENT_LIST_DIR}/deb.cmake)
endif()
include(CPack)

if(VESKARO_BUILD_TESTS)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/package ${PROJECT_BINARY_DIR}/tests/package)
endif()
