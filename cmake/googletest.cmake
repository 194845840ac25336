# GoogleTest cross-built from the machine's sources and linked statically into
# every test executable (dynamic MinGW runtimes are not on Wine's path).
set(GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# Adds one test executable; its cases run serially when they share machine
# state (the Cdrom key, the service database, WIN.INI, the current directory).
function(add_wine_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE OFF)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES RESOURCE_LOCK machine TIMEOUT 120)
endfunction()
