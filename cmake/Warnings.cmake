# Warning flags for the project's own targets (not for third-party code).
function(tamberlinove_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # GCC 12 at -O3 reports false -Wrestrict overlaps inside inlined std::string copies
  # (GCC bug 105329), which would stop optimised builds with warnings as errors.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(TAMBERLINOVE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
