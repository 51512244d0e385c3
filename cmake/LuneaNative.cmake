# Host build: the portable core, its unit tests and the benchmarks.
find_package(GTest REQUIRED)
include(GoogleTest)

lunea_test_sources(unit_sources unit)
add_executable(lunea_unit_tests ${unit_sources})
target_link_libraries(lunea_unit_tests PRIVATE lunea_core GTest::gtest GTest::gtest_main GTest::gmock)
lunea_own_target(lunea_unit_tests)
gtest_discover_tests(lunea_unit_tests DISCOVERY_MODE PRE_TEST)

find_package(benchmark REQUIRED)
file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
if(bench_sources)
    # Measured on an unsanitised copy of the core: sanitisers distort timings.
    add_library(lunea_core_bench STATIC ${LUNEA_CORE_SOURCES})
    target_include_directories(lunea_core_bench PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(lunea_core_bench PRIVATE -Wall -Wextra -Werror)
    add_executable(lunea_benchmarks ${bench_sources})
    target_link_libraries(lunea_benchmarks PRIVATE lunea_core_bench benchmark::benchmark_main)
    target_compile_options(lunea_benchmarks PRIVATE -Wall -Wextra -Werror)
endif()
