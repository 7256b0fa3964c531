cmake_minimum_required(VERSION 3.25)
# Checks that every layer includes only itself and the layers below it:
#   common  <-  flume, rcstress, inputfile (calculation)  <-  printing (reports)  <-  widgets
#           <-  printing/dialog, rcstress/window, shell (windows)  <-  apps; packaging draws the
#           desktop icons with the launcher's drawings
# Run as: cmake -DSOURCE_DIR=<top of the tree> -P check_layers.cmake

# Each layer, the more specific folders first, with the layers it may include.
set(layers printing/dialog rcstress/window common flume rcstress inputfile printing widgets shell apps packaging)
set(allowed_common          common)
set(allowed_flume           common flume)
set(allowed_rcstress        common rcstress)
set(allowed_inputfile       common flume inputfile)
set(allowed_printing        common flume rcstress inputfile printing)
set(allowed_widgets         common printing widgets)
set(allowed_printing/dialog common printing widgets printing/dialog)
set(allowed_rcstress/window common rcstress printing widgets printing/dialog rcstress/window)
set(allowed_shell           common flume inputfile printing widgets printing/dialog shell)
set(allowed_apps            common flume rcstress inputfile printing widgets printing/dialog rcstress/window shell apps)
set(allowed_packaging       shell packaging)

# The layer a path from the top of the tree belongs to; empty for none.
function(layer_of path result)
  foreach(layer ${layers})
    string(LENGTH "${layer}/" length)
    string(SUBSTRING "${path}" 0 ${length} head)
    if(head STREQUAL "${layer}/")
      set(${result} ${layer} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${result} "" PARENT_SCOPE)
endfunction()

set(violations 0)
foreach(layer ${layers})
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(source ${sources})
    layer_of(${source} own)
    if(NOT own STREQUAL layer)
      continue()  # a folder of a more specific layer
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
      layer_of(${header} target)
      if(target STREQUAL "")
        if(NOT header MATCHES "^[^/]+\\.moc$")
          message(SEND_ERROR "${source}: \"${header}\" names no layer; include headers by their path from the top")
          math(EXPR violations "${violations} + 1")
        endif()
      elseif(NOT target IN_LIST allowed_${own})
        message(SEND_ERROR "${source}: the ${own} layer includes \"${header}\" of the ${target} layer")
        math(EXPR violations "${violations} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) against the direction of the layers")
endif()
message(STATUS "every layer includes only itself and the layers below it")
