# torvane_library(NAME [OBJECT] DEPS ...): a static library of every .cpp in the calling folder
# except main.cpp, which is left for the folder's executable. OBJECT makes it a set of object
# files instead, for the back ends: an executable links them as a whole, so they serve the
# libraries listed before them as well as those after.
function(torvane_library name)
  cmake_parse_arguments(ARG "OBJECT" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources AND ARG_OBJECT)
    add_library(${name} OBJECT ${sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  elseif(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# torvane_test(NAME DEPS ...): one GoogleTest executable of every .cpp in the calling folder,
# on the system back ends (torvane_platform; a test that draws adds torvane_device). Natively each test case is registered with CTest; a cross-compiled executable runs
# as one CTest test through the emulator (one Wine start per executable).
function(torvane_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} torvane_platform torvane_test_support GTest::gtest GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
      PROPERTIES ENVIRONMENT "TORVANE_DATA_DIR=${TORVANE_DATA_DIR}")
  endif()
endfunction()

# torvane_benchmark(NAME SOURCES ... DEPS ...): a Google Benchmark executable (not a test), on the
# system back ends like the tests.
function(torvane_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  if(NOT TORVANE_BENCH OR CMAKE_CROSSCOMPILING)
    return()
  endif()
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} torvane_platform torvane_test_support benchmark::benchmark
    benchmark::benchmark_main)
endfunction()

# torvane_fuzzer(NAME SOURCE DEPS ...): a libFuzzer target on the system back ends, built only with
# clang and TORVANE_FUZZ.
function(torvane_fuzzer name source)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  if(NOT TORVANE_FUZZ)
    return()
  endif()
  add_executable(${name} ${source})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} torvane_platform)
endfunction()
