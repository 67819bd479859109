# `cmake --build --preset windows --target package` writes the two downloads:
# Kalvio-<version>-win64.zip (portable) and Kalvio-<version>-win64-setup.exe.
install(TARGETS Kalvio RUNTIME DESTINATION .)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/ČTI MĚ.txt" DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
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
include(CPack)
