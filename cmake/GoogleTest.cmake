# GoogleTest: the installed package where there is one (native Debian), else built from source
# (the sources libgtest-dev ships, for the mingw build; or a checkout named by GTEST_SOURCE_DIR).
set(GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source folder")

if(NOT WIN32)
  find_package(GTest QUIET)
endif()
if(NOT TARGET GTest::gtest_main)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest_main)  # GoogleTest 1.11+ makes the aliases itself
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endif()
include(GoogleTest)
