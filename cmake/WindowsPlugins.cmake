# The static Qt's plugins that a Windows program links: the named platform plugins, and the
# JPEG decoder and the native style that every window of the program needs.
function(vareldo_import_windows_plugins target)
  set(plugins ${ARGN})
  foreach(plugin Qt6::QJpegPlugin Qt6::QWindowsVistaStylePlugin)
    if(TARGET ${plugin})
      list(APPEND plugins ${plugin})
    endif()
  endforeach()
  qt_import_plugins(${target} INCLUDE ${plugins})
endfunction()
