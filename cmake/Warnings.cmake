# Our own code is built with every warning an error; call this on each target.
function(toramel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
