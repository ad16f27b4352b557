# Warnings are on for our own code and kept clean; third-party headers come in as system headers.
add_library(kivo_warnings INTERFACE)
target_compile_options(kivo_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wnull-dereference -Wimplicit-fallthrough -Wformat=2)
if(KIVO_WARNINGS_AS_ERRORS)
  target_compile_options(kivo_warnings INTERFACE -Werror)
endif()

# Call on every target of ours.
function(kivo_target_defaults target)
  target_link_libraries(${target} PRIVATE kivo_warnings)
endfunction()
