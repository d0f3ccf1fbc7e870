# Warnings are fixed, not silenced; CI turns them into errors.
function(tmb_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TMB_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(TMB_SANITIZE)
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
