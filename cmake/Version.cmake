# The version is written once, in project(); the version record, the manifest,
# the about window and the package names are all generated from it.
# Windows shows it as "2.00.0001" (minor in 2 digits, patch in 4) and
# numerically as 2.0.0.1, so each part must fit there.
if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$"
   OR PROJECT_VERSION_MAJOR GREATER 65535 OR PROJECT_VERSION_MINOR GREATER 99
   OR PROJECT_VERSION_PATCH GREATER 9999)
    message(FATAL_ERROR "Version ${PROJECT_VERSION} must be major.minor.patch with minor <= 99 and patch <= 9999")
endif()
math(EXPR padded_minor "${PROJECT_VERSION_MINOR} + 100")
math(EXPR padded_patch "${PROJECT_VERSION_PATCH} + 10000")
string(SUBSTRING ${padded_minor} 1 2 padded_minor)
string(SUBSTRING ${padded_patch} 1 4 padded_patch)
set(KALVIO_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${padded_minor}.${padded_patch}")
set(KALVIO_VERSION_NUMERIC "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.${PROJECT_VERSION_PATCH}")
