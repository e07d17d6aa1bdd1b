# tallvane_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# Builds a Qt Test program and registers it with CTest in a working folder of its own, with
# the offscreen platform, a UTF-8 locale and the sanitizer settings of the test build.
function(tallvane_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} tallvane_testsupport Qt6::Test)
    set(workdir ${CMAKE_BINARY_DIR}/testwork/${name})
    file(MAKE_DIRECTORY ${workdir})
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${workdir})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TMPDIR=${workdir};XDG_RUNTIME_DIR=${workdir};ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()
