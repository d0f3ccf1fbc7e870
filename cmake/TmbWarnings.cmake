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

# The fuzzers: every object is instrumented for coverage and checked by the sanitizers;
# only the fuzz targets link libFuzzer's own main.
if(TMB_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TMB_FUZZ needs clang (CMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
