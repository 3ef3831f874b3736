# Embeds the resources that res/rofo.qrc names into a target's sources.
# rofo_embed_resources(<out-var> [OMIT <alias>...]) leaves the listed entries
# out, for builds that prove the game copes with a broken executable.
set(ROFO_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/../res CACHE PATH "Folder of the resources to embed")
cmake_path(NORMAL_PATH ROFO_RESOURCE_DIR)

function(rofo_embed_resources out_var)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "OMIT")
  file(READ ${ROFO_RESOURCE_DIR}/rofo.qrc description)
  set(variant ${out_var})
  foreach(alias IN LISTS arg_OMIT)
    string(REGEX REPLACE "[^\n]*alias=\"[A-Z]+/${alias}\"[^\n]*\n" "" description "${description}")
    string(APPEND variant "_${alias}")
  endforeach()
  # The copy lives in the build tree, so its files are named by full path.
  string(REGEX REPLACE ">([A-Za-z0-9_.]+)</file>" ">${ROFO_RESOURCE_DIR}/\\1</file>" description "${description}")
  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${variant}.qrc)
  file(CONFIGURE OUTPUT ${qrc} CONTENT "${description}")
  qt_add_resources(sources ${qrc} OPTIONS --no-compress)
  set(${out_var} ${sources} PARENT_SCOPE)
endfunction()
