# Test helpers shared by the test folders.

# zd740_add_gtest(NAME [GUI] SOURCES... LIBS ...): a GoogleTest executable run by
# ctest under the offscreen platform; its binary stays out of the program
# folder. GUI tests get a QApplication before the tests run.
function(zd740_add_gtest name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
    if(ARG_GUI)
        target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/GuiTestMain.cpp)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Widgets GTest::gtest)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    endif()
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    target_compile_definitions(${name} PRIVATE ZD740_BIN_DIR="${ZD740_BIN_DIR}"
                                               ZD740_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
