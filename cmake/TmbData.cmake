# The data folder of the build tree, beside the program (data/): the files of the source
# folder data/ and what this project makes of its own at build time, the default character
# file and the two default pictures, by the tool tamberi_make_data. Installing copies the
# folder to share/tamberi.
set(TMB_DATA_DIR ${CMAKE_BINARY_DIR}/data)

add_executable(tamberi_make_data
  tools/make_data_files.cpp tools/default_char_file.cpp tools/default_pictures.cpp)
target_link_libraries(tamberi_make_data PRIVATE tmb_engine)
tmb_set_warnings(tamberi_make_data)

file(GLOB_RECURSE TMB_DATA_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/data ${CMAKE_SOURCE_DIR}/data/*)
set(TMB_DATA_OUTPUTS)
foreach(name IN LISTS TMB_DATA_FILES)
  get_filename_component(folder ${TMB_DATA_DIR}/${name} DIRECTORY)
  add_custom_command(OUTPUT ${TMB_DATA_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/${name} ${TMB_DATA_DIR}/${name}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${name}
    VERBATIM)
  list(APPEND TMB_DATA_OUTPUTS ${TMB_DATA_DIR}/${name})
endforeach()

set(TMB_MADE_DATA ${TMB_DATA_DIR}/standerd.wdf ${TMB_DATA_DIR}/花見.bmp ${TMB_DATA_DIR}/森.bmp)
add_custom_command(OUTPUT ${TMB_MADE_DATA}
  COMMAND tamberi_make_data ${TMB_DATA_DIR}
  DEPENDS tamberi_make_data
  COMMENT "Making the default character file and pictures"
  VERBATIM)

# The style definition file is read from the program's own folder as well: a copy lies
# beside the program of the build tree.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/style_def.dat
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/style_def.dat ${CMAKE_BINARY_DIR}/style_def.dat
  DEPENDS ${CMAKE_SOURCE_DIR}/data/style_def.dat
  VERBATIM)
list(APPEND TMB_DATA_OUTPUTS ${CMAKE_BINARY_DIR}/style_def.dat)

add_custom_target(tamberi_data ALL DEPENDS ${TMB_DATA_OUTPUTS} ${TMB_MADE_DATA})
# A program that is built can be started at once: its data folder is made with it.
add_dependencies(tamberi tamberi_data)
