# The one list of design pictures (the built-in pictures of the launchers' windows), in the
# numbering of platform::DesignPicture. The programs carry them as resources numbered from
# TARNWICK_IDR_DESIGN_PICTURE_BASE in this order (a generated part of the resource script);
# the skin tools carry them as bytes (design_pictures.cmake).
include_guard(GLOBAL)
set(TARNWICK_DESIGN_PICTURE_FILES assets/splash_logo.jpg assets/design/main_top_button.jpg)
foreach(n RANGE 1 24)
  string(LENGTH "${n}" digits)
  if(digits EQUAL 1)
    set(n "0${n}")
  endif()
  list(APPEND TARNWICK_DESIGN_PICTURE_FILES assets/design/main_launch_${n}.jpg)
endforeach()
foreach(n RANGE 1 7)
  list(APPEND TARNWICK_DESIGN_PICTURE_FILES assets/design/panel_tab_${n}.jpg)
endforeach()
foreach(n RANGE 1 3)
  list(APPEND TARNWICK_DESIGN_PICTURE_FILES assets/design/panel_program_${n}.jpg)
endforeach()
list(APPEND TARNWICK_DESIGN_PICTURE_FILES assets/design/panel_about.jpg)
