# GoogleTest from the distribution's sources, built for whichever target this is, and
# urlpush_add_gtest() to declare a test program. On the Windows builds each test program
# runs under Wine (the cross-compiling emulator) in one prefix made fresh for the test run.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(CMAKE_CROSSCOMPILING)
    set(URLPUSH_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${PROJECT_SOURCE_DIR}/cmake/wine-run.sh ${URLPUSH_WINE_LOADER} ${URLPUSH_WINEPREFIX})
    add_test(NAME wine.prefix.start
             COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-session.sh start ${URLPUSH_WINE_LOADER}
                     ${URLPUSH_WINEPREFIX})
    add_test(NAME wine.prefix.stop
             COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-session.sh stop ${URLPUSH_WINE_LOADER}
                     ${URLPUSH_WINEPREFIX})
    set_tests_properties(wine.prefix.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine.prefix.stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# urlpush_add_gtest(name SOURCES ... [LIBS ...])
function(urlpush_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    urlpush_defaults(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
    if(CMAKE_CROSSCOMPILING)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
endfunction()
