# Fails when a file under src/ includes a header of a layer above its own.
# The layers, lowest first; a layer may include its own headers and those of
# the layers before it. Run by the build (src/CMakeLists.txt) with
#   -DSOURCE_DIR=<src> -DSTAMP=<file written when every include is allowed>.
set(layers platform res framework config log link pages commands app cli)

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(violations "")
foreach(file ${files})
  string(REGEX MATCH "^[^/]+" own ${file})
  list(FIND layers ${own} own_rank)
  if(own_rank LESS 0)
    continue()   # not in a layer folder
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
  foreach(line ${includes})
    string(REGEX MATCH "\"([^/\"]+)/" _ "${line}")
    list(FIND layers "${CMAKE_MATCH_1}" used_rank)
    if(used_rank GREATER own_rank)
      string(APPEND violations "\n  src/${file}: ${line} (${CMAKE_MATCH_1} is above ${own})")
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "A layer includes a layer above it:${violations}")
endif()
file(WRITE ${STAMP} "layers: ${layers}\n")
