# Parsing Qt's headers is a large part of a test's compile time, so the tests share precompiled
# headers, one for each set of Qt modules a test links: the widgets, the register link, or
# neither. Each is built once by a target of its own that links exactly that set. A test whose
# modules differ from its set's still builds correctly: the compiler sees the different Qt
# macros, leaves the precompiled header unused and reads the headers as text.
function(tallvane_add_test_pch name)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
    if(NOT EXISTS ${source})
        file(WRITE ${source} "// Only the precompiled header is built here.\n")
    endif()
    add_library(${name} STATIC ${source})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(${name} PRIVATE ${ARGN} Qt6::Core Qt6::Core5Compat Qt6::Sql Qt6::Test)
    set(headers <QtTest> <QtSql>)
    if(Qt6::Network IN_LIST ARGN)
        list(APPEND headers <QtNetwork>)
    endif()
    if(Qt6::Widgets IN_LIST ARGN)
        list(APPEND headers <QtWidgets>)
    endif()
    target_precompile_headers(${name} PRIVATE ${headers})
endfunction()

tallvane_add_test_pch(tallvane_testpch_core)
tallvane_add_test_pch(tallvane_testpch_link Qt6::Network Qt6::SerialPort)
tallvane_add_test_pch(tallvane_testpch_widgets Qt6::Gui Qt6::Widgets Qt6::Network Qt6::SerialPort)

# tallvane_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# Builds a Qt Test program and registers it with CTest in a working folder of its own, with
# the offscreen platform, a UTF-8 locale and the sanitizer settings of the test build.
function(tallvane_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} tallvane_testsupport Qt6::Test)
    # A test's classes live in its one source, which includes its moc output ("tst_x.moc").
    # Qt's automatic moc would hand moc every include folder, the compiler's own among them, and
    # moc would read the whole of Qt and the standard library for each test: seconds per test,
    # a fifth of the test build. Given only the project's folder, moc reads the test alone and
    # writes the same output, since a test's slots name no types it would need to look up.
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    set(mocdir ${CMAKE_CURRENT_BINARY_DIR}/${name}_moc)
    foreach(source IN LISTS T_SOURCES)
        if(source MATCHES "\\.cpp$")
            get_filename_component(stem ${source} NAME_WE)
            qt_generate_moc(${source} ${mocdir}/${stem}.moc)
            target_sources(${name} PRIVATE ${mocdir}/${stem}.moc)
        endif()
    endforeach()
    target_include_directories(${name} PRIVATE ${mocdir})
    if("tallvane_guisupport" IN_LIST T_LIBS OR "tallvane_ui" IN_LIST T_LIBS)
        target_precompile_headers(${name} REUSE_FROM tallvane_testpch_widgets)
    elseif("tallvane_logo" IN_LIST T_LIBS OR "Qt6::Gui" IN_LIST T_LIBS)
        # Qt's GUI module without the widgets: too few tests to share a header of their own.
    elseif("tallvane_linkharness" IN_LIST T_LIBS OR "tallvane_link" IN_LIST T_LIBS)
        target_precompile_headers(${name} REUSE_FROM tallvane_testpch_link)
    else()
        target_precompile_headers(${name} REUSE_FROM tallvane_testpch_core)
    endif()
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
