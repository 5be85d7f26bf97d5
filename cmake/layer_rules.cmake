# Fails when a file under src/ includes a header of a layer its own layer does
# not use (cmake/layer_graph.cmake). Run by the build (src/CMakeLists.txt) with
#   -DSOURCE_DIR=<src> -DSTAMP=<file written when every include is allowed>.
include(${CMAKE_CURRENT_LIST_DIR}/layer_graph.cmake)

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(violations "")
foreach(file ${files})
  string(REGEX MATCH "^[^/]+" own ${file})
  list(FIND tavo_layers ${own} own_rank)
  if(own_rank LESS 0)
    continue()   # not in a layer folder
  endif()
  set(allowed ${own} ${tavo_layer_uses_${own}})
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
  foreach(line ${includes})
    string(REGEX MATCH "\"([^/\"]+)/([^\"]*)\"" _ "${line}")
    set(used ${CMAKE_MATCH_1})
    if(used STREQUAL "res" AND CMAKE_MATCH_2 MATCHES "^(resource|version)\\.h$" AND own_rank GREATER 1)
      continue()   # the control ids and the version: defines only
    endif()
    list(FIND tavo_layers "${used}" used_rank)
    list(FIND allowed "${used}" allowed_index)
    if(used_rank GREATER_EQUAL 0 AND allowed_index LESS 0)
      string(APPEND violations "\n  src/${file}: ${line} (${own} does not use ${used})")
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "A layer includes a layer it does not use:${violations}")
endif()
file(WRITE ${STAMP} "layers: ${tavo_layers}\n")
