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
