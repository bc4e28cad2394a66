# The program is built as layers, each a library that sees only the headers of
# the layers below it:
#
#   app  →  board, editing, phrasebook, speech, prediction  →  widgets, platform  →  platform/core
#   app/core  →  board/core, editing/core, phrasebook/core, speech/core  →  platform/core
#   prediction  →  prediction/core  →  Qt Core alone
#   app/core  →  backup/core  →  phrasebook/core
#
# A layer's headers are offered to the compiler through a folder of links in
# the build tree holding that layer's headers and nothing else, so an include
# of a layer that is not below fails to compile instead of slipping through.

set(PELUMO_LAYERS_DIR ${CMAKE_BINARY_DIR}/layers)

# Offers the headers of `folder` (relative to the source tree, not its
# subfolders) to `target` and to everything that links it.
function(pelumo_expose_headers target folder)
  set(root ${PELUMO_LAYERS_DIR}/${target})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  file(REMOVE_RECURSE ${root}/${folder})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header ${headers})
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# One layer: a library of the sources in `folder` (static, or of the kind
# PELUMO_LAYER_KIND names), offering its headers, linked to the layers (and
# Qt modules) it may use.
function(pelumo_layer target folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/app/main.cpp)
  if(NOT PELUMO_LAYER_KIND)
    set(PELUMO_LAYER_KIND STATIC)
  endif()
  add_library(${target} ${PELUMO_LAYER_KIND} ${sources})
  # A layer's files are compiled eight to a unit: most of a file's compile
  # time is Qt's headers (2.5 of 3.5 CPU seconds for a typical app/ file),
  # read once a unit instead of once a file. Names at file scope must
  # therefore differ within a layer.
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  pelumo_expose_headers(${target} ${folder})
  target_link_libraries(${target} PUBLIC ${ARGN})
endfunction()
