# GTest::gtest and GTest::gtest_main for whichever tree this is: built from Google Test's sources
# (Debian's), or an installed Google Test where the sources are not there (an MSYS2 MinGW shell).
# Included by every test folder; the first include makes the targets.
if(NOT TARGET GTest::gtest_main)
  if(EXISTS ${PYRELIX_GOOGLETEST_DIR}/CMakeLists.txt)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${PYRELIX_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest_main)  # older Google Test names its targets without these
      add_library(GTest::gtest ALIAS gtest)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  else()
    find_package(GTest REQUIRED)
  endif()
endif()
include(GoogleTest)
