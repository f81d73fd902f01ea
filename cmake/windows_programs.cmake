# The product: the Win32 backend and the two editions as single static executables.
enable_language(RC)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

file(GLOB TARNWICK_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(tarnwick_win32 STATIC ${TARNWICK_WIN32_SOURCES})
target_link_libraries(tarnwick_win32 PUBLIC tarnwick_core
  user32 gdi32 shell32 ole32 oleaut32 uuid comctl32 windowscodecs advapi32 msimg32)

if(NOT MSVC)
  # Entry points are the wide-character ones (wWinMain, wmain).
  set(TARNWICK_STATIC_FLAGS -static -static-libgcc -static-libstdc++ -municode)
endif()

file(GLOB TARNWICK_ENTRY_SOURCES CONFIGURE_DEPENDS src/platform/win32/entry/*.cpp)
file(GLOB TARNWICK_DESIGN_PICTURES CONFIGURE_DEPENDS assets/design/*.jpg)
set(TARNWICK_RESOURCE_INPUTS assets/tarnwick.manifest assets/tarnwick.ico assets/splash_logo.jpg
    src/platform/win32/resource_ids.h)
list(TRANSFORM TARNWICK_RESOURCE_INPUTS PREPEND "${CMAKE_SOURCE_DIR}/")
list(APPEND TARNWICK_RESOURCE_INPUTS ${TARNWICK_DESIGN_PICTURES})
set_source_files_properties(assets/tarnwick.rc PROPERTIES OBJECT_DEPENDS "${TARNWICK_RESOURCE_INPUTS}")

configure_file(assets/tarnwick_version.h.in ${CMAKE_BINARY_DIR}/generated/tarnwick_version.h @ONLY)

# The resources (icon, design pictures, version information, manifest) of one edition.
function(tarnwick_resources target le)
  target_sources(${target} PRIVATE assets/tarnwick.rc)
  target_compile_definitions(${target} PRIVATE TARNWICK_EDITION_LE=${le})
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated)
endfunction()

function(tarnwick_program name le)
  add_executable(${name} WIN32 ${TARNWICK_ENTRY_SOURCES})
  tarnwick_resources(${name} ${le})
  target_link_libraries(${name} PRIVATE tarnwick_win32)
  target_link_options(${name} PRIVATE ${TARNWICK_STATIC_FLAGS})
endfunction()

tarnwick_program(TarnwickLauncher 0)
tarnwick_program(TarnwickLauncherLE 1)
include(cmake/release_package.cmake)
include(cmake/candy_gallery.cmake)

# Small console programs that the end-to-end checks run under Wine; they carry the programs'
# resources, so that the backend finds its icon and design pictures in them too.
file(GLOB TARNWICK_WIN_TOOLS CONFIGURE_DEPENDS e2e/win_tools/*.cpp)
foreach(tool_source ${TARNWICK_WIN_TOOLS})
  get_filename_component(tool ${tool_source} NAME_WE)
  add_executable(${tool} ${tool_source})
  tarnwick_resources(${tool} 0)
  target_link_libraries(${tool} PRIVATE tarnwick_win32)
  target_link_options(${tool} PRIVATE ${TARNWICK_STATIC_FLAGS})
endforeach()

include(cmake/skin_tools_windows.cmake)
