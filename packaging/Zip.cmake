# CPack's External generator runs this with the files staged: the portable zip.
set(zip "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip")
execute_process(
    COMMAND "${CPACK_KALVIO_PYTHON}" "${CPACK_KALVIO_PACKAGING_DIR}/release_files.py"
            zip "${zip}" "${CPACK_TEMPORARY_DIRECTORY}" "${CPACK_KALVIO_SOURCE_DATE_EPOCH}"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Could not write ${zip}: ${failed}")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${zip}")
