# Native build, beside the libraries and tarnwick-skin: unit tests, benchmarks, tools, and the
# fuzz targets (their corpora replayed as tests, or in the fuzz preset the fuzzers).
enable_testing()
find_package(GTest REQUIRED)
# Helpers shared by tests and benchmarks (test files that make pictures, configurations ...).
file(GLOB TARNWICK_TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS tests/support/*.cpp)
add_library(tarnwick_test_support STATIC ${TARNWICK_TEST_SUPPORT_SOURCES})
target_include_directories(tarnwick_test_support PUBLIC tests)
target_link_libraries(tarnwick_test_support PUBLIC tarnwick_sim_test_double)

file(GLOB_RECURSE TARNWICK_TEST_SOURCES CONFIGURE_DEPENDS tests/*.cpp)
list(FILTER TARNWICK_TEST_SOURCES EXCLUDE REGEX "/tests/support/")
add_executable(tarnwick_tests ${TARNWICK_TEST_SOURCES})
target_include_directories(tarnwick_tests PRIVATE tests)
target_link_libraries(tarnwick_tests PRIVATE tarnwick_test_support tarnwick_skin_tools tarnwick_candy_gallery
  tarnwick_candy_button_sim GTest::gtest_main)
target_compile_definitions(tarnwick_tests PRIVATE TARNWICK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(tarnwick_tests DISCOVERY_TIMEOUT 60)

# The set-up scripts, against a stand-in package manager.
add_test(NAME scripts.install_deps COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/install_deps_test.sh)

# End-to-end checks of the real programs under Wine; they skip (exit 77) where Wine is absent.
set(TARNWICK_WIN_BUILDS "${CMAKE_SOURCE_DIR}/build/mingw-i686;${CMAKE_SOURCE_DIR}/build/mingw-x86_64"
    CACHE STRING "Windows build folders whose programs the end-to-end checks run")
# The INI reference test runs each build's ini_probe.exe under Wine ('|' separates the folders).
string(REPLACE ";" "|" TARNWICK_WIN_BUILDS_TEXT "${TARNWICK_WIN_BUILDS}")
target_compile_definitions(tarnwick_tests PRIVATE TARNWICK_WIN_BUILDS="${TARNWICK_WIN_BUILDS_TEXT}"
  TARNWICK_BINARY_DIR="${CMAKE_BINARY_DIR}")
# The checks run by the Python harness (e2e/conftest.py, e2e/harness; pytest and Pillow from Debian, so
# Debian's python3, not whatever python3 comes first on the PATH): one test per check file and build.
set(TARNWICK_E2E_PYTHON /usr/bin/python3 CACHE FILEPATH "The Python that runs the end-to-end checks (with pytest and Pillow)")
# One fresh Wine prefix per test run, made before the checks and shared by all of them.
add_test(NAME e2e.setup_prefix COMMAND ${TARNWICK_E2E_PYTHON} ${CMAKE_SOURCE_DIR}/e2e/setup_prefix.py)
set_tests_properties(e2e.setup_prefix PROPERTIES FIXTURES_SETUP wine_prefix SKIP_RETURN_CODE 77
  RESOURCE_LOCK wine TIMEOUT 300)
file(GLOB TARNWICK_E2E_TESTS CONFIGURE_DEPENDS e2e/test_*.py)
foreach(test_file ${TARNWICK_E2E_TESTS})
  get_filename_component(check ${test_file} NAME_WE)
  string(REGEX REPLACE "^test_" "" check ${check})
  foreach(win_build ${TARNWICK_WIN_BUILDS})
    get_filename_component(arch ${win_build} NAME)
    add_test(NAME e2e.${check}.${arch} COMMAND ${TARNWICK_E2E_PYTHON} -m pytest -q -s -p no:cacheprovider
      ${test_file} --win-build ${win_build} --skin-tool $<TARGET_FILE:tarnwick-skin>)
    set_tests_properties(e2e.${check}.${arch} PROPERTIES SKIP_RETURN_CODE 77 RESOURCE_LOCK wine TIMEOUT 900
      FIXTURES_REQUIRED wine_prefix)
  endforeach()
endforeach()

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB TARNWICK_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
  if(TARNWICK_BENCH_SOURCES)
    add_executable(tarnwick_bench ${TARNWICK_BENCH_SOURCES})
    target_include_directories(tarnwick_bench PRIVATE tests)
    target_link_libraries(tarnwick_bench PRIVATE tarnwick_test_support tarnwick_skin_tools tarnwick_candy_button_sim
      benchmark::benchmark_main)
    target_compile_definitions(tarnwick_bench PRIVATE TARNWICK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  endif()
endif()

file(GLOB TARNWICK_TOOL_SOURCES CONFIGURE_DEPENDS tools/*.cpp)
foreach(tool_source ${TARNWICK_TOOL_SOURCES})
  get_filename_component(tool ${tool_source} NAME_WE)
  add_executable(${tool} ${tool_source})
  target_link_libraries(${tool} PRIVATE tarnwick_candy_button_sim tarnwick_candy_gallery)
endforeach()

add_subdirectory(fuzz)
