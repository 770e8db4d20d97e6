# The layers, bottom up; app/ sits on top and nothing includes it.
set(VARELDO_LAYERS text core config ui)

# Gives a layer's library its include folder in the build tree: links to the source folders of
# the layer itself and of those below it, and nothing else. Includes are written from the root
# ("core/Calculations.h"), so one that points up finds no file and does not compile. The folder
# is public: a layer above sees what this one sees.
function(vareldo_layer target layer)
  list(FIND VARELDO_LAYERS ${layer} top)
  if(top EQUAL -1)
    message(FATAL_ERROR "${layer} is not one of the layers: ${VARELDO_LAYERS}")
  endif()
  set(dir "${PROJECT_BINARY_DIR}/layers/${layer}")
  # Removes the links only, never what they point to; a reordered list leaves no stale one.
  file(REMOVE_RECURSE "${dir}")
  file(MAKE_DIRECTORY "${dir}")
  foreach(index RANGE ${top})
    list(GET VARELDO_LAYERS ${index} visible)
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${visible}" "${dir}/${visible}" SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC "${dir}")

  # One source that includes every header of the layer, compiled with the layer's view: an
  # include that points up fails here too when it sits in a header that no source of the
  # layer includes. The headers of the other system's platform code are left out.
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE "${PROJECT_SOURCE_DIR}"
    "${PROJECT_SOURCE_DIR}/${layer}/*.h")
  if(WIN32)
    list(FILTER headers EXCLUDE REGEX "_posix\\.h$")
  else()
    list(FILTER headers EXCLUDE REGEX "_win\\.h$")
  endif()
  set(content "")
  foreach(header IN LISTS headers)
    string(APPEND content "#include \"${header}\"\n")
  endforeach()
  set(check "${PROJECT_BINARY_DIR}/layers/${layer}-headers.cpp")
  file(CONFIGURE OUTPUT "${check}" CONTENT "${content}")
  add_library(${target}_headers OBJECT "${check}")
  target_link_libraries(${target}_headers PRIVATE ${target} vareldo_warnings)
endfunction()
