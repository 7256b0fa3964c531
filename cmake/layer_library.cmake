# layer_library(NAME DIRS dir... LINK lib...): one static library of the .cpp/.h files found in the
# given folders (an interface library while a layer has only headers).
#
# A library's public include folder holds its own headers and nothing else: each header is linked
# into ${CMAKE_BINARY_DIR}/layers/NAME/ under its path from the source root, so "flume/case1.h" is
# found exactly by the targets that link flume. A layer that includes a layer it does not link
# fails to compile; tests/layers/check_layers.cmake checks the direction of the links themselves.
function(layer_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;LINK" ${ARGN})
  set(include_root ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${include_root})
  set(sources)
  set(headers)
  foreach(dir ${ARG_DIRS})
    file(GLOB found_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    file(GLOB found_headers CONFIGURE_DEPENDS ${dir}/*.h)
    list(APPEND sources ${found_sources})
    list(APPEND headers ${found_headers})
  endforeach()
  foreach(header ${headers})
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${header})
    get_filename_component(folder ${include_root}/${relative} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${header} ${include_root}/${relative} SYMBOLIC)
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${include_root})
    target_link_libraries(${name} PUBLIC ${ARG_LINK})
  else()
    add_library(${name} INTERFACE ${headers})
    target_include_directories(${name} INTERFACE ${include_root})
    target_link_libraries(${name} INTERFACE ${ARG_LINK})
  endif()
endfunction()
