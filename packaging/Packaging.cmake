# `cmake --build --preset windows --target package` writes the two downloads:
# Kalvio-<version>-win64.zip (portable) and Kalvio-<version>-win64-setup.exe.
# Every build of a commit gives the same bytes, so that anyone can check a
# download against their own build (tests/package/test-reproducible.sh).
# Given a code-signing certificate, the build signs what it publishes (Signing.cmake).
install(TARGETS Kalvio RUNTIME DESTINATION .)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/ČTI MĚ.txt" DESTINATION .)

# The linker writes the time of the link into the PE header (and so into its
# checksum) unless told not to.
if(MSVC)
    target_link_options(Kalvio PRIVATE /Brepro)
elseif(MINGW)
    target_link_options(Kalvio PRIVATE -Wl,--no-insert-timestamp)
endif()

# The zip is written by release_files.py (through CPack's External generator,
# Zip.cmake): CPack's own zip carries the builder's user id and the file
# system's order of entries. The staged files are dated from the source
# (Stage.cmake, PerGenerator.cmake) before either package is made, and
# SHA256SUMS.txt is written beside the two downloads (Checksums.cmake).
set(CPACK_GENERATOR External NSIS)
set(CPACK_PACKAGE_NAME Kalvio)
set(CPACK_PACKAGE_VENDOR "Kalvio Soft")
set(KALVIO_PACKAGE_NAME "Kalvio-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_FILE_NAME ${KALVIO_PACKAGE_NAME})
# The zip holds the files themselves; unpacking makes the folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# Our own installer script (NSIS.template.in here) instead of CPack's, and the
# installer's own file name (PerGenerator.cmake).
set(CPACK_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/PerGenerator.cmake")
# Read by NSIS.template.in.
set(CPACK_KALVIO_DISPLAY_VERSION "${KALVIO_VERSION_TEXT}")
set(CPACK_KALVIO_ICON "${CMAKE_SOURCE_DIR}/windows/res/Kalvio.ico")
find_program(KALVIO_GIT NAMES git)
set(CPACK_KALVIO_PYTHON "${KALVIO_PYTHON}")
set(CPACK_KALVIO_GIT "${KALVIO_GIT}")
set(CPACK_KALVIO_SOURCE_DIR "${CMAKE_SOURCE_DIR}")
set(CPACK_KALVIO_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(CPACK_KALVIO_DOWNLOADS "${KALVIO_PACKAGE_NAME}.zip" "${KALVIO_PACKAGE_NAME}-setup.exe")
include("${CMAKE_CURRENT_LIST_DIR}/Signing.cmake")
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/Zip.cmake")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/Stage.cmake")
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/Checksums.cmake")
include(CPack)
