# Runs PROGRAM with ARGS (a ;-list) and writes what it prints to OUT; with GZIP, compresses OUT
# into OUT.gz as Debian wants manual pages (gzip -9n: no name and no time stamp inside).
# A program that fails fails the build.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
    "${PROGRAM}" ${ARGS} OUTPUT_FILE "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE "${OUT}")
    message(FATAL_ERROR "${PROGRAM} ${ARGS} failed: ${status}")
endif()
if(GZIP)
    execute_process(COMMAND gzip -9nf "${OUT}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "gzip ${OUT} failed: ${status}")
    endif()
endif()
