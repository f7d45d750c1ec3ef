# The layers: gamedata, then items, maps, saves (the model); ui above gamedata; each folder's
# windows above ui and their folder; app on top. A library's files may include headers of its
# own layer and of those below only; the check runs before the library is compiled.
#
#   tallowmark_layer(target ALLOWED folder... FILES file...)
function(tallowmark_layer target)
  cmake_parse_arguments(LAYER "" "" "ALLOWED;FILES" ${ARGN})
  list(TRANSFORM LAYER_FILES PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/")
  string(REPLACE ";" "|" files "${LAYER_FILES}")
  string(REPLACE ";" "|" allowed "${LAYER_ALLOWED}")
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.layers")
  add_custom_command(
    OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} "-DFILES=${files}" "-DALLOWED=${allowed}" "-DSTAMP=${stamp}"
            -P "${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake"
    DEPENDS ${LAYER_FILES} "${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake"
    COMMENT "Checking the includes of ${target} against its layer"
    VERBATIM)
  add_custom_target(${target}_layers DEPENDS "${stamp}")
  add_dependencies(${target} ${target}_layers)
endfunction()

# The .cpp and .h files of this folder, less those named in EXCLUDE (with their headers).
function(tallowmark_folder_files out)
  cmake_parse_arguments(FOLDER "" "" "EXCLUDE" ${ARGN})
  file(GLOB files RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp"
       "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  foreach(excluded ${FOLDER_EXCLUDE})
    get_filename_component(stem "${excluded}" NAME_WE)
    list(REMOVE_ITEM files "${stem}.cpp" "${stem}.h")
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
