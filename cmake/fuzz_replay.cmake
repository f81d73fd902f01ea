# The fuzz targets of fuzz/. In the fuzz preset (TARNWICK_FUZZ) they are built as libFuzzer
# programs; otherwise each target's corpus (fuzz/corpus/NAME for fuzz/fuzz_NAME.cpp) is
# replayed through it as a test, with AddressSanitizer and UndefinedBehaviorSanitizer, by a
# small driver instead of the fuzzing engine. One sanitized copy of the product code serves
# every replay program.
option(TARNWICK_FUZZ "Build the libFuzzer targets (clang) instead of the corpus replays" OFF)
if(TARNWICK_FUZZ)
  add_subdirectory(fuzz)
  return()
endif()

set(TARNWICK_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all)
add_library(tarnwick_sanitized STATIC ${TARNWICK_CORE_SOURCES} ${TARNWICK_GALLERY_SOURCES}
  ${TARNWICK_SIM_SOURCES} ${TARNWICK_SKIN_TOOL_SOURCES} ${TARNWICK_DESIGN_BYTES_SOURCE})
file(GLOB TARNWICK_FUZZ_SUPPORT_SOURCES CONFIGURE_DEPENDS fuzz/support/*.cpp)
# stb's decoders compiled in as well, so that the sanitizers watch them decode the pictures.
target_sources(tarnwick_sanitized PRIVATE ${TARNWICK_FUZZ_SUPPORT_SOURCES} tools/skin/stb_implementation.cpp)
set_source_files_properties(tools/skin/stb_implementation.cpp
  PROPERTIES COMPILE_OPTIONS "-w;-fno-sanitize=nonnull-attribute,shift")  # see fuzz/CMakeLists.txt (gcc turns off shift checks only as a whole)
target_include_directories(tarnwick_sanitized PUBLIC src fuzz)
# Quick to build and to run: light optimisation, line tables only.
target_compile_options(tarnwick_sanitized PUBLIC ${TARNWICK_SANITIZE} -O1 -g1)
target_link_options(tarnwick_sanitized PUBLIC ${TARNWICK_SANITIZE})
target_link_libraries(tarnwick_sanitized PUBLIC stb)

file(GLOB TARNWICK_FUZZ_TARGETS CONFIGURE_DEPENDS fuzz/fuzz_*.cpp)
foreach(source ${TARNWICK_FUZZ_TARGETS})
  get_filename_component(target ${source} NAME_WE)
  string(REGEX REPLACE "^fuzz_" "" name ${target})
  add_executable(replay_${name} ${source} fuzz/replay_main.cpp)
  target_link_libraries(replay_${name} PRIVATE tarnwick_sanitized)
  add_test(NAME fuzz_replay.${name} COMMAND replay_${name} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
endforeach()
