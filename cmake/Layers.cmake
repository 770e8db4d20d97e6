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
endfunction()
