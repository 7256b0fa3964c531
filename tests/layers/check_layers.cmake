cmake_minimum_required(VERSION 3.25)
# Checks that every layer includes only itself and the layers below it:
#   calculation:  common  <-  flume, rcstress  <-  members  <-  inputfile  <-  batch; document alone  <-  inputfile
#   drawing stands alone;  calculation and drawing  <-  printing (reports)  <-  book
#   windows:  common, drawing  <-  gui/common  <-  gui/print_dialog  <-  gui/tavrel, gui/morvik  <-  apps
#   packaging draws the desktop icons with the launcher's drawings
# Run as: cmake -DSOURCE_DIR=<top of the tree> -P check_layers.cmake

# Each folder is one layer; each row names the layers its files may include.
set(allowed_common           common)
set(allowed_flume            common flume)
set(allowed_rcstress         common rcstress)
set(allowed_members          common flume rcstress members)
set(allowed_document         document)
set(allowed_inputfile        common flume members document inputfile)
set(allowed_batch            common flume members document inputfile batch)
set(allowed_drawing          drawing)
set(allowed_printing         common flume rcstress members document inputfile batch drawing printing)
set(allowed_book             common flume rcstress members document inputfile batch drawing printing book)
set(allowed_gui/common       common drawing gui/common)
set(allowed_gui/print_dialog common drawing printing gui/common gui/print_dialog)
set(allowed_gui/tavrel       common flume members document inputfile batch drawing printing gui/common gui/print_dialog
                             gui/tavrel)
set(allowed_gui/morvik       common rcstress drawing printing gui/common gui/print_dialog gui/morvik)
set(allowed_apps             common flume rcstress members document inputfile batch drawing printing book gui/common
                             gui/print_dialog
                             gui/tavrel gui/morvik apps)
set(allowed_packaging        gui/tavrel packaging)

# The layers are the rows above.
get_cmake_property(variables VARIABLES)
set(layers)
foreach(variable ${variables})
  if(variable MATCHES "^allowed_(.+)$")
    list(APPEND layers ${CMAKE_MATCH_1})
  endif()
endforeach()

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
    set(own ${layer})
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
