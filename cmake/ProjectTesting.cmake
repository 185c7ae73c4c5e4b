find_package(GTest REQUIRED)
include(GoogleTest)

set(PROJECT_TEST_DATA_DIR ${CMAKE_SOURCE_DIR}/tests/data)

# project_test(NAME n SOURCES a.cpp ... LIBS lib ... [GUI])
# Registers one GoogleTest executable with ctest. GUI tests run on the offscreen Qt platform.
function(project_test)
    cmake_parse_arguments(PT "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${PT_NAME} ${PT_SOURCES})
    target_link_libraries(${PT_NAME} PRIVATE ${PT_LIBS} test_support GTest::gmock GTest::gtest_main)
    project_warnings(${PT_NAME})
    target_compile_definitions(${PT_NAME} PRIVATE TEST_DATA_DIR="${PROJECT_TEST_DATA_DIR}")
    if(PT_GUI)
        gtest_discover_tests(${PT_NAME} DISCOVERY_TIMEOUT 60
                             PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS gui)
    else()
        gtest_discover_tests(${PT_NAME} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
