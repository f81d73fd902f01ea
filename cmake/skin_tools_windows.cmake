# tarnwick-skin as a Windows console program: the skin tools with the parts of the simulated
# platform they read, draw and write pictures with, stb's decoders compiled in, and the
# system's own conversion for code page 949. Needs stb's headers (Debian's libstb-dev).
find_path(TARNWICK_STB_INCLUDE stb/stb_image.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
if(NOT TARNWICK_STB_INCLUDE)
  message(WARNING "stb headers not found: tarnwick-skin is not built")
  return()
endif()
# Only stb's folder is offered to the cross compiler, not the host's whole include folder.
set(TARNWICK_STB_DIR ${CMAKE_BINARY_DIR}/stb_headers)
file(MAKE_DIRECTORY ${TARNWICK_STB_DIR})
file(CREATE_LINK ${TARNWICK_STB_INCLUDE}/stb ${TARNWICK_STB_DIR}/stb SYMBOLIC)

set(TARNWICK_SKIN_SIM_SOURCES call_log icon_file jpeg_guard native_path raster_colours raster_drawing raster_font
    raster_image raster_png raster_scaled raster_stretch raster_window regular_file sim_clock sim_folder_panes sim_ini
    sim_pictures sim_recorders sim_styles
    sim_tray sim_window_table sim_windows)
list(TRANSFORM TARNWICK_SKIN_SIM_SOURCES PREPEND src/platform/sim/)
list(TRANSFORM TARNWICK_SKIN_SIM_SOURCES APPEND .cpp)
file(GLOB TARNWICK_SKIN_TOOL_SOURCES CONFIGURE_DEPENDS src/skin_tools/*.cpp)
include(cmake/design_pictures.cmake)

add_executable(tarnwick-skin tools/skin/skin_main_win32.cpp tools/skin/stb_implementation.cpp
  ${TARNWICK_SKIN_SIM_SOURCES} ${TARNWICK_SKIN_TOOL_SOURCES} ${TARNWICK_DESIGN_BYTES_SOURCE})
set_source_files_properties(tools/skin/stb_implementation.cpp PROPERTIES COMPILE_OPTIONS "-w")
target_include_directories(tarnwick-skin SYSTEM PRIVATE ${TARNWICK_STB_DIR})
target_link_libraries(tarnwick-skin PRIVATE tarnwick_win32)
target_link_options(tarnwick-skin PRIVATE ${TARNWICK_STATIC_FLAGS})
