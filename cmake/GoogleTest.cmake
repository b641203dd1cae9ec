# GoogleTest from Debian's sources, built with the cross compiler.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${GTEST_SOURCE_DIR} (Debian package googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# dialogs_test(NAME [OWN_APP] SOURCES... LIBS ...): one GoogleTest program, one
# ctest test. The program is a framework application, as the library's hosts
# are: the shared test application (tests/support/TestApplication.h) runs its
# tests, started by the framework's wWinMain. With OWN_APP the program
# defines its own application object, derived from that one. The programs
# stay console programs, so that ctest reads what they print.
function(dialogs_test name)
    cmake_parse_arguments(T "OWN_APP" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    if(T_OWN_APP)
        target_link_libraries(${name} PRIVATE test_application)
    else()
        target_link_libraries(${name} PRIVATE test_application_object)
    endif()
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest project_warnings)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1
             WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    # All test programs share one Wine desktop: focus, activation and the
    # mouse are the desktop's, so programs that open windows take turns.
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine_desktop)
endfunction()
