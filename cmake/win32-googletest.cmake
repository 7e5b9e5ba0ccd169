# Debian ships GoogleTest for the host only. For the Windows build the tests'
# find_package(GTest) is answered by building Debian's GoogleTest sources
# (/usr/src/googletest) with the cross compiler.
macro(veskaro_provide_googletest method package)
  if("${package}" STREQUAL "GTest" AND NOT TARGET GTest::gtest_main)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
  if("${package}" STREQUAL "GTest")
    set(GTest_FOUND TRUE)
  endif()
endmacro()

cmake_language(SET_DEPENDENCY_PROVIDER veskaro_provide_googletest
               SUPPORTED_METHODS FIND_PACKAGE)
