# Writes OUT, the header that gives the programs their version: VERSION (the project's) with its
# RELEASE_DATE and, when SOURCE_DIR is a git checkout, `git describe` of it. Run at every build;
# the header changes only when the description does, so an unchanged checkout rebuilds nothing.
set(describe "")
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS "${SOURCE_DIR}/.git")
    execute_process(COMMAND "${GIT_EXECUTABLE}" describe --always --dirty --tags
        WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE describe OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
        set(describe "")
    endif()
endif()
file(CONFIGURE OUTPUT "${OUT}" CONTENT "#pragma once
#define TALLVANE_VERSION \"${VERSION}\"
#define TALLVANE_GIT_DESCRIBE \"${describe}\"
#define TALLVANE_RELEASE_DATE \"${RELEASE_DATE}\"
")
