# How every Windows library and executable is built, tests and benchmarks
# included: linking kalvio_win32_settings gives the Win32 headers' settings,
# sections the linker can drop, and the hardening: ASLR with high-entropy
# addresses, NX, and stack protection.
add_library(kalvio_win32_settings INTERFACE)
target_compile_definitions(kalvio_win32_settings INTERFACE
    UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00)
if(MSVC)
    target_compile_options(kalvio_win32_settings INTERFACE /GS /guard:cf)
    target_link_options(kalvio_win32_settings INTERFACE /DYNAMICBASE /HIGHENTROPYVA /NXCOMPAT /guard:cf)
else()
    target_compile_options(kalvio_win32_settings INTERFACE
        -ffunction-sections -fdata-sections -fstack-protector-strong)
    target_link_options(kalvio_win32_settings INTERFACE
        -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat -fstack-protector-strong)
    # MinGW's stack protector brings libssp, whose guard seeds itself through
    # the crypto provider at every start; each executable gets ours instead.
    add_library(kalvio_stack_guard OBJECT ${CMAKE_CURRENT_LIST_DIR}/StackGuard.cpp)
    target_link_libraries(kalvio_stack_guard PRIVATE kalvio_win32_settings)
    target_sources(kalvio_win32_settings INTERFACE
        $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:$<TARGET_OBJECTS:kalvio_stack_guard>>)
    target_link_libraries(kalvio_win32_settings INTERFACE advapi32)
endif()
