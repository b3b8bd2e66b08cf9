# Warnings are errors on both compilers.
function(vexel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror)
endfunction()

# The host build runs its native tests with AddressSanitizer and UBSan.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Windows" AND VEXEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
