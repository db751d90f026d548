# brimzel_program(target): a program of the installation tree, built into tree/bin.
function(brimzel_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BRIMZEL_TREE}/bin)
endfunction()

# brimzel_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2): a GoogleTest program run by CTest.
# Tests find the staged tree through BRIMZEL_TREE and the sources through BRIMZEL_SOURCE.
function(brimzel_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE BRIMZEL_TREE="${BRIMZEL_TREE}"
                                               BRIMZEL_SOURCE="${CMAKE_SOURCE_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
endfunction()
