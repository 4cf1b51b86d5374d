# Warnings are errors for our own code; third-party headers come in as system headers.
function(kestrum_target_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
        -Woverloaded-virtual -Wimplicit-fallthrough
        -Wformat=2 -Werror)
endfunction()
