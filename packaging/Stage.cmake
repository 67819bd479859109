# Run by cpack once the files are staged, before each package is made: the
# installer keeps each file's time (NSIS's SetDateSave), which must be the
# source date rather than the time of this build.
execute_process(
    COMMAND "${CPACK_KALVIO_PYTHON}" "${CPACK_KALVIO_PACKAGING_DIR}/release_files.py"
            stamp "${CPACK_TEMPORARY_DIRECTORY}" "${CPACK_KALVIO_SOURCE_DATE_EPOCH}"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Could not date the staged files: ${failed}")
endif()

# makensis keeps what the signer says in its log: a trial signature first, so
# that a wrong password, a missing token or a silent time-stamp server is said
# here, in the build's output.
if(CPACK_GENERATOR STREQUAL "NSIS" AND CPACK_KALVIO_SIGN)
    set(trial "${CPACK_TOPLEVEL_DIRECTORY}/trial-for-the-installer.exe")
    file(COPY_FILE "${CPACK_TEMPORARY_DIRECTORY}/Kalvio.exe" "${trial}")
    list(TRANSFORM CPACK_KALVIO_SIGN REPLACE "^%1$" "${trial}" OUTPUT_VARIABLE command)
    execute_process(COMMAND ${command} RESULT_VARIABLE failed)
    file(REMOVE "${trial}")
    if(failed)
        message(FATAL_ERROR "The installer was not made: it could not be signed")
    endif()
endif()
