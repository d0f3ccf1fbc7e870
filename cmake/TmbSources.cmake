# Sources are gathered by folder: a folder is a subsystem, and adding a file needs no
# edit here. The view/ and sheet/ subfolders of engine folders hold Qt code and belong
# to the user interface library.
function(tmb_collect_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${dir}/*.cpp")
    list(FILTER found EXCLUDE REGEX "/(view|sheet)/")
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(tmb_collect_ui_sources out)
  set(result)
  foreach(dir platform/ui app views imageedit/view export/sheet)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      "${CMAKE_SOURCE_DIR}/${dir}/*.cpp" "${CMAKE_SOURCE_DIR}/${dir}/*.h")
    list(APPEND result ${found})
  endforeach()
  file(GLOB_RECURSE qrc CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/resources/*.qrc")
  list(APPEND result ${qrc})
  list(FILTER result EXCLUDE REGEX "/app/main\\.cpp$")
  set(${out} ${result} PARENT_SCOPE)
endfunction()
