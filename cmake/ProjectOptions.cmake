# Compiler settings for the project's own targets: C++20, warnings as errors, and the
# Windows version the Win32 code is written against.
function(urlpush_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(WIN32)
        target_compile_definitions(${target} PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX
                                   _WIN32_WINNT=0x0601 WINVER=0x0601)
    endif()
endfunction()
