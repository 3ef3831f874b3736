# Embeds the resources that res/rofo.qrc names into a target's sources.
# rofo_embed_resources(<out-var> [OMIT <alias>...] [TRUNCATE <alias>...])
# leaves the OMIT entries out and embeds the first half of each TRUNCATE
# entry's file, for builds that prove the game copes with a broken executable.
set(ROFO_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/../res CACHE PATH "Folder of the resources to embed")
cmake_path(NORMAL_PATH ROFO_RESOURCE_DIR)

# Writes the description of one variant as <name>[_<alias>...].qrc in the
# current build folder and stores its path in qrc_var.
function(rofo_resource_description qrc_var name)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "OMIT;TRUNCATE")
  file(READ ${ROFO_RESOURCE_DIR}/rofo.qrc description)
  set(variant ${name})
  foreach(alias IN LISTS arg_OMIT)
    string(REGEX REPLACE "[^\n]*alias=\"[A-Z]+/${alias}\"[^\n]*\n" "" description "${description}")
    string(APPEND variant "_${alias}")
  endforeach()
  # The copy lives in the build tree, so its files are named by full path.
  string(REGEX REPLACE ">([A-Za-z0-9_.]+)</file>" ">${ROFO_RESOURCE_DIR}/\\1</file>" description "${description}")
  foreach(alias IN LISTS arg_TRUNCATE)
    string(REGEX MATCH "alias=\"[A-Z]+/${alias}\">[^<]+" entry "${description}")
    string(REGEX REPLACE ".*>" "" file "${entry}")
    cmake_path(GET file FILENAME name)
    set(cut ${CMAKE_CURRENT_BINARY_DIR}/truncated/${name})
    file(SIZE ${file} size)
    math(EXPR half "${size} / 2")
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/truncated)
    execute_process(COMMAND head -c ${half} ${file} OUTPUT_FILE ${cut} COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    string(REPLACE ">${file}<" ">${cut}<" description "${description}")
    string(APPEND variant "_${alias}_cut")
  endforeach()
  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${variant}.qrc)
  file(CONFIGURE OUTPUT ${qrc} CONTENT "${description}")
  set(${qrc_var} ${qrc} PARENT_SCOPE)
endfunction()

function(rofo_embed_resources out_var)
  rofo_resource_description(qrc ${out_var} ${ARGN})
  qt_add_resources(sources ${qrc} OPTIONS --no-compress)
  set(${out_var} ${sources} PARENT_SCOPE)
endfunction()

# The same as a binary resource file, <name>[_<alias>...].rcc, made by the
# custom target of that name, for tests that register one at run time.
function(rofo_binary_resources rcc_var name)
  rofo_resource_description(qrc ${name} ${ARGN})
  cmake_path(GET qrc STEM variant)
  qt_add_binary_resources(${variant} ${qrc} DESTINATION ${CMAKE_CURRENT_BINARY_DIR}/${variant}.rcc OPTIONS --no-compress)
  set(${rcc_var} ${variant} PARENT_SCOPE)
endfunction()
