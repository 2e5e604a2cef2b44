# Fails when a source file of model/, platform/ or controls/ includes a header of a layer above
# its own, so that the folders keep showing the order in which the layers build.
#   cmake -DROOT=<source tree> -P CheckLayerIncludes.cmake

# Lowest first; folders on one line share a rank. The last line may be included by nothing here.
set(ZOD_LAYERS
  "platform/core"
  "platform/dib platform/version platform/armor"
  "model"
  "platform/ui"
  "resources"
  "controls"
  "submit"
  "app"
  "bench tests fuzz")

# rank: the index in ZOD_LAYERS of the longest folder that starts `path`, or -1.
function(layer_rank path out)
  set(best -1)
  set(bestLength 0)
  set(rank 0)
  foreach(folders IN LISTS ZOD_LAYERS)
    string(REPLACE " " ";" folders "${folders}")
    foreach(folder IN LISTS folders)
      string(LENGTH "${folder}/" length)
      string(SUBSTRING "${path}" 0 ${length} start)
      if(start STREQUAL "${folder}/" AND length GREATER bestLength)
        set(best ${rank})
        set(bestLength ${length})
      endif()
    endforeach()
    math(EXPR rank "${rank} + 1")
  endforeach()
  set(${out} ${best} PARENT_SCOPE)
endfunction()

if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<source tree> -P CheckLayerIncludes.cmake")
endif()
file(GLOB_RECURSE sources RELATIVE "${ROOT}"
  "${ROOT}/model/*.h" "${ROOT}/model/*.cpp" "${ROOT}/platform/*.h" "${ROOT}/platform/*.cpp"
  "${ROOT}/controls/*.h" "${ROOT}/controls/*.cpp")
if(NOT sources)
  message(FATAL_ERROR "no sources under ${ROOT}")
endif()

set(faults "")
foreach(source IN LISTS sources)
  layer_rank("${source}" own)
  if(own EQUAL -1)
    string(APPEND faults "\n${source}: its folder has no place in the layer order")
    continue()
  endif()
  file(STRINGS "${ROOT}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
    if(header MATCHES "(^|/)\\.\\./")
      string(APPEND faults "\n${source}: includes ${header} by a relative path")
      continue()
    endif()
    layer_rank("${header}" theirs)
    if(theirs GREATER own)
      string(APPEND faults "\n${source}: includes ${header}, a layer above its own")
    endif()
  endforeach()
endforeach()

if(faults)
  # One fault a line, unwrapped, so that each can be found in the output.
  message(NOTICE "Includes that point up the layers:${faults}")
  message(FATAL_ERROR "the layers' order is broken")
endif()
list(LENGTH sources count)
message(STATUS "${count} files include only their own layer and those below")
