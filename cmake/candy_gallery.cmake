# CandyGallery.exe: a window of real candy buttons to touch, built beside the launchers from
# its own sources (the launchers link none of them). Stripped in release builds.
file(GLOB TARNWICK_GALLERY_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/gallery/*.cpp)
add_executable(CandyGallery WIN32 ${TARNWICK_GALLERY_WIN32_SOURCES} assets/candy_gallery.rc)
set_source_files_properties(assets/candy_gallery.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/assets/tarnwick.ico;${CMAKE_SOURCE_DIR}/assets/tarnwick.manifest")
target_link_libraries(CandyGallery PRIVATE tarnwick_win32 tarnwick_candy_gallery)
target_link_options(CandyGallery PRIVATE ${TARNWICK_STATIC_FLAGS} $<$<CONFIG:Release>:-s>)
