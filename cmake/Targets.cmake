# Helpers that give every target of a kind the same settings.

# A library of the system itself (skerrow, marbleck, fennick and the code they share).
# Only what the library exports on purpose (JNIEXPORT, NSGetModule) is visible, so two
# of them loaded into one process never share each other's globals.
function(tw_system_target target)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    C_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PRIVATE tw_warnings)
endfunction()

# A stand-in library of platform/: one shared instance per process.
function(tw_platform_library target)
  add_library(${target} SHARED ${ARGN})
  target_link_libraries(${target} PRIVATE tw_warnings)
endfunction()

# A GoogleTest program registered with CTest, each test case on its own.
# Tests that start a JVM are grouped into few programs; see tests/jvm.
function(tw_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main tw_warnings)
  tw_test_time_scale(${target})
  set(properties)
  if(ARG_PROPERTIES)
    set(properties PROPERTIES ${ARG_PROPERTIES})
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    ${properties})
endfunction()

# Test programs run through cmake/test_time_scale.sh: at the suite's time scale unless
# PLATFORM_TIME_SCALE is set where ctest runs. (CTest runs a target's
# CROSSCOMPILING_EMULATOR before its program, discovered GoogleTest cases included.)
function(tw_test_time_scale target)
  set_target_properties(${target} PROPERTIES
    CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/cmake/test_time_scale.sh")
endfunction()

# A Google Benchmark program; built with the suite, run by hand (scripts/bench.sh).
function(tw_benchmark target)
  if(TW_BENCHMARKS)
    add_executable(${target} ${ARGN})
    target_link_libraries(${target} PRIVATE benchmark::benchmark benchmark::benchmark_main tw_warnings)
  endif()
endfunction()
