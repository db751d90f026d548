# brimzel_program(target): a program of the installation tree, built into tree/bin.
function(brimzel_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRIMZEL_TREE}/bin)
endfunction()

# brimzel_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [SOAK filter]): a GoogleTest program run
# by CTest, one CTest entry per test so that they spread over the cores. Tests find the staged
# tree through BRIMZEL_TREE and the sources through BRIMZEL_SOURCE. The tests the SOAK filter
# names (e.g. "Soak.*") are labelled `soak` and started before the rest, since they run longest.
function(brimzel_test name)
    cmake_parse_arguments(T "" "SOAK" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE BRIMZEL_TREE="${BRIMZEL_TREE}"
                                               BRIMZEL_SOURCE="${CMAKE_SOURCE_DIR}")
    # One value per property: the discovered tests' properties are written as name-value pairs,
    # so a list value (two ENVIRONMENT entries) would be cut apart.
    set(environment ENVIRONMENT QT_QPA_PLATFORM=offscreen
                    ENVIRONMENT_MODIFICATION SDL_AUDIODRIVER=set:dummy)
    if(NOT T_SOAK)
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${environment})
        return()
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_FILTER "-${T_SOAK}"
                         PROPERTIES ${environment})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_FILTER "${T_SOAK}"
                         TEST_LIST ${name}_SOAK_TESTS
                         PROPERTIES ${environment} LABELS soak COST 1000)
endfunction()
