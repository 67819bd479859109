# Compiler settings shared by every target of the project.
if(MSVC)
    add_compile_options(/W4 /utf-8 /permissive-)
    if(KALVIO_WARNINGS_AS_ERRORS)
        add_compile_options(/WX)
    endif()
else()
    add_compile_options(-Wall -Wextra -Wpedantic)
    if(KALVIO_WARNINGS_AS_ERRORS)
        add_compile_options(-Werror)
    endif()
endif()

# Hardening for the shipped executable: ASLR with high-entropy addresses,
# NX, and stack protection. MinGW builds bring their own stack guard
# (kalvio_stack_guard, windows/ui/): libssp's seeds itself through the crypto
# provider at every start.
function(kalvio_harden target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /GS /guard:cf)
        target_link_options(${target} PRIVATE /DYNAMICBASE /HIGHENTROPYVA /NXCOMPAT /guard:cf)
    else()
        target_compile_options(${target} PRIVATE -fstack-protector-strong)
        if(MINGW)
            target_link_libraries(${target} PRIVATE kalvio_stack_guard advapi32)
        endif()
        target_link_options(${target} PRIVATE
            -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat -fstack-protector-strong)
    endif()
endfunction()
