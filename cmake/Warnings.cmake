# Warning flags for the project's own targets (not for third-party code).
function(tamberlinove_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TAMBERLINOVE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
