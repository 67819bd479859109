# Authenticode signatures on Kalvio.exe, the uninstaller and the installer,
# when a code-signing certificate is given (sign.py); without one nothing is
# signed. Only paths are kept here: the password stays in its file.
set(KALVIO_SIGN_PKCS12 "" CACHE FILEPATH "Code-signing certificate with its key (.pfx)")
set(KALVIO_SIGN_PASSWORD_FILE "" CACHE FILEPATH "File holding the .pfx's password (or the token's PIN)")
set(KALVIO_SIGN_PKCS11_MODULE "" CACHE FILEPATH "PKCS#11 module of the token holding the key")
set(KALVIO_SIGN_PKCS11_CERT "" CACHE STRING "PKCS#11 URI of the certificate on the token")
set(KALVIO_SIGN_PKCS11_KEY "" CACHE STRING "PKCS#11 URI of the key (default: the certificate's)")
set(KALVIO_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 time-stamp server")

set(CPACK_KALVIO_SIGN "")
if(NOT KALVIO_SIGN_PKCS12 AND NOT KALVIO_SIGN_PKCS11_MODULE)
    message(STATUS "Packages: not signed (no KALVIO_SIGN_PKCS12 or KALVIO_SIGN_PKCS11_MODULE given)")
    return()
endif()
if(KALVIO_SIGN_PKCS12 AND KALVIO_SIGN_PKCS11_MODULE)
    message(FATAL_ERROR "Give KALVIO_SIGN_PKCS12 or KALVIO_SIGN_PKCS11_MODULE, not both")
elseif(KALVIO_SIGN_PKCS12 AND NOT KALVIO_SIGN_PASSWORD_FILE)
    message(FATAL_ERROR "KALVIO_SIGN_PKCS12 needs KALVIO_SIGN_PASSWORD_FILE, the file holding its password")
elseif(KALVIO_SIGN_PKCS11_MODULE AND NOT KALVIO_SIGN_PKCS11_CERT)
    message(FATAL_ERROR "KALVIO_SIGN_PKCS11_MODULE needs KALVIO_SIGN_PKCS11_CERT, the certificate's URI")
endif()
foreach(tool osslsigncode openssl)
    find_program(KALVIO_${tool} ${tool})
    if(NOT KALVIO_${tool})
        message(FATAL_ERROR "Signing needs ${tool} (Debian package ${tool})")
    endif()
endforeach()

set(sign_options "")
foreach(setting PKCS12 PKCS11_MODULE PKCS11_CERT PKCS11_KEY PASSWORD_FILE TIMESTAMP_URL)
    if(KALVIO_SIGN_${setting})
        string(TOLOWER "--${setting}" option)
        string(REPLACE "_" "-" option "${option}")
        list(APPEND sign_options ${option} "${KALVIO_SIGN_${setting}}")
    endif()
endforeach()
# A failed signature takes the downloads with it: none are left half-signed.
list(APPEND sign_options --clear)
foreach(download ${CPACK_KALVIO_DOWNLOADS} SHA256SUMS.txt)
    list(APPEND sign_options "${CMAKE_BINARY_DIR}/${download}")
endforeach()

# Kalvio.exe is signed as it is linked, so the zip, the installer and the
# tests all take the signed one.
set(sign "${KALVIO_PYTHON}" "${CMAKE_CURRENT_LIST_DIR}/sign.py")
add_custom_command(TARGET Kalvio POST_BUILD COMMAND ${sign} $<TARGET_FILE:Kalvio> ${sign_options} VERBATIM)
# makensis runs it on the uninstaller and the installer (%1), as PerGenerator.cmake writes it.
set(CPACK_KALVIO_SIGN ${sign} %1 ${sign_options})
message(STATUS "Packages: signed with ${KALVIO_SIGN_PKCS12}${KALVIO_SIGN_PKCS11_CERT}")
