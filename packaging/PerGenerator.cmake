# Read by cpack once for each generator.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
    # The signing command (Signing.cmake) as one line for makensis's !finalize.
    if(CPACK_KALVIO_SIGN)
        list(JOIN CPACK_KALVIO_SIGN "\" \"" CPACK_KALVIO_NSIS_SIGN)
        set(CPACK_KALVIO_NSIS_SIGN "\"${CPACK_KALVIO_NSIS_SIGN}\"")
    endif()
endif()

# The date that every file in the packages carries: SOURCE_DATE_EPOCH when the
# builder sets one, else the time of the commit built, so that each build of a
# commit gives the same bytes. Taken now rather than at configure time, which
# may have been several commits ago.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(CPACK_KALVIO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    set(commit_time "")
    if(CPACK_KALVIO_GIT)
        # safe.directory: CI may check the sources out as another user.
        execute_process(
            COMMAND "${CPACK_KALVIO_GIT}" -c "safe.directory=${CPACK_KALVIO_SOURCE_DIR}"
                    -C "${CPACK_KALVIO_SOURCE_DIR}" log -1 --format=%ct
            OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(commit_time MATCHES "^[0-9]+$")
        set(CPACK_KALVIO_SOURCE_DATE_EPOCH "${commit_time}")
    else()
        # Not a git checkout (or no git): a source archive made by
        # `git archive` dates its files at the commit time.
        file(TIMESTAMP "${CPACK_KALVIO_SOURCE_DIR}/CMakeLists.txt" CPACK_KALVIO_SOURCE_DATE_EPOCH "%s" UTC)
        message(STATUS "No commit time from git: the packages are dated as CMakeLists.txt (${CPACK_KALVIO_SOURCE_DATE_EPOCH})")
    endif()
endif()
if(NOT CPACK_KALVIO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH must be seconds since 1970, not \"${CPACK_KALVIO_SOURCE_DATE_EPOCH}\"")
endif()
