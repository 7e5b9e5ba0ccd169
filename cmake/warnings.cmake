# Warnings for the project's own targets.
function(veskaro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VESKARO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
