# Warnings are errors for our own code; third-party headers come in as system headers.
function(kestrum_target_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
        -Woverloaded-virtual -Wimplicit-fallthrough -Wformat=2 -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        # GCC 12 reports impossible overlaps inside std::string concatenation at -O3.
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()
