# Windows build, beside the programs: the probes of the end-to-end checks and the release zip.
include(cmake/release_package.cmake)

# Small console programs that the end-to-end checks run under Wine; they carry the programs'
# resources, so that the backend finds its icon and design pictures in them too.
file(GLOB TARNWICK_WIN_TOOLS CONFIGURE_DEPENDS e2e/win_tools/*.cpp)
foreach(tool_source ${TARNWICK_WIN_TOOLS})
  get_filename_component(tool ${tool_source} NAME_WE)
  add_executable(${tool} ${tool_source})
  tarnwick_resources(${tool} 0)
  target_link_libraries(${tool} PRIVATE tarnwick_win32 tarnwick_candy_button_win32 tarnwick_candy_gallery
    tarnwick_launcher)
  target_link_options(${tool} PRIVATE ${TARNWICK_STATIC_FLAGS})
endforeach()
