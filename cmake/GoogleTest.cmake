# GoogleTest from Debian's source package, built with this tree's compiler and flags.
set(PELLICO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
if(NOT PELLICO_FUZZ)
    # GoogleTest's own sources are not held to our warning set.
    add_subdirectory(${PELLICO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    foreach(t gtest gtest_main gmock gmock_main)
        target_compile_options(${t} PRIVATE -w)
    endforeach()
endif()
include(GoogleTest)

# pellico_host_test(NAME SOURCES... LIBS ...): a GoogleTest executable on the host,
# each case a CTest test of its own.
function(pellico_host_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES LABELS host)
endfunction()

# pellico_win32_test(NAME SOURCES... LIBS ... [LABEL e2e]): a GoogleTest executable run
# under Wine (either Windows tree) inside the test desktop (one CTest test per executable: every Wine start costs).
function(pellico_win32_test name)
    # DPIS: densities the whole test runs at once more each (PELLICO_LOG_PIXELS), as NAME_<dpi>dpi.
    cmake_parse_arguments(T "" "LABEL;TIMEOUT" "SOURCES;LIBS;DPIS" ${ARGN})
    if(NOT T_LABEL)
        set(T_LABEL windows)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    # The programs' manifest, so the tests see the controls users see: Common Controls 6, themed
    # wherever a visual style is on.
    pellico_manifest(${name} "Pellico test")
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest.rc
        "1 24 \"${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest\"\n")
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest.rc PROPERTIES
        OBJECT_DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest)
    add_executable(${name} ${T_SOURCES} ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest.rc)
    pellico_check_manifest(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT}
        FIXTURES_REQUIRED desktop RESOURCE_LOCK desktop)
    if(T_DPIS)
        pellico_win32_test_at_densities(${name} FILTER * DPIS ${T_DPIS})
    endif()
endfunction()

# Runs the tests of `name` that `FILTER` picks once more at each display density of `DPIS`:
# CTest's emulator (scripts/wine-run.sh) sets the desktop's LogPixels for that run, and a
# process draws at the density it started with.
function(pellico_win32_test_at_densities name)
    cmake_parse_arguments(T "" "FILTER" "DPIS" ${ARGN})
    get_test_property(${name} LABELS labels)
    get_test_property(${name} TIMEOUT timeout)
    foreach(dpi IN LISTS T_DPIS)
        add_test(NAME ${name}_${dpi}dpi COMMAND ${name} --gtest_color=no
            --gtest_filter=${T_FILTER})
        set_tests_properties(${name}_${dpi}dpi PROPERTIES LABELS "${labels}" TIMEOUT ${timeout}
            ENVIRONMENT PELLICO_LOG_PIXELS=${dpi}
            FIXTURES_REQUIRED desktop RESOURCE_LOCK desktop)
    endforeach()
endfunction()
