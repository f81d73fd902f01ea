# tarnwick_library(NAME SOURCES ... [LINKS ...] [INCLUDES ...]): one component's static library.
# Sources are named from the calling folder; every component includes from src/
# ("component/file.h").
# In the native build (TARNWICK_SANITIZED_COPIES), each library also has a copy NAME_sanitized
# built from the same sources with AddressSanitizer and UndefinedBehaviorSanitizer and linked to
# the sanitized copies of the components it uses: the fuzz corpora are replayed through them.
include_guard(GLOBAL)

if(TARNWICK_SANITIZED_COPIES)
  add_library(tarnwick_sanitize INTERFACE)
  set(TARNWICK_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all)
  # Quick to build and to run: light optimisation, line tables only.
  target_compile_options(tarnwick_sanitize INTERFACE ${TARNWICK_SANITIZE_FLAGS} -O1 -g1)
  target_link_options(tarnwick_sanitize INTERFACE ${TARNWICK_SANITIZE_FLAGS})
endif()

function(tarnwick_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS;INCLUDES")
  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${arg_INCLUDES})
  target_link_libraries(${name} PUBLIC ${arg_LINKS})
  if(TARNWICK_SANITIZED_COPIES)
    list(TRANSFORM arg_LINKS REPLACE "^(tarnwick_.*)$" "\\1_sanitized")
    add_library(${name}_sanitized STATIC EXCLUDE_FROM_ALL ${arg_SOURCES})
    target_include_directories(${name}_sanitized PUBLIC ${PROJECT_SOURCE_DIR}/src ${arg_INCLUDES})
    target_link_libraries(${name}_sanitized PUBLIC ${arg_LINKS} tarnwick_sanitize)
  endif()
endfunction()
