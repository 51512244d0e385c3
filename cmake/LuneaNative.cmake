# Host build: the portable core, its unit tests and the benchmarks.
find_package(GTest REQUIRED)
include(GoogleTest)

lunea_test_sources(unit_sources unit)
add_executable(lunea_unit_tests ${unit_sources})
target_link_libraries(lunea_unit_tests PRIVATE lunea_core GTest::gtest GTest::gtest_main GTest::gmock)
lunea_own_target(lunea_unit_tests)
gtest_discover_tests(lunea_unit_tests DISCOVERY_MODE PRE_TEST)

# Each fuzz target's property over its seeds and the inputs that once broke
# it, without the fuzzer (scripts/fuzz.sh builds and runs that with clang).
lunea_fuzz_targets(fuzz_targets)
foreach(name IN LISTS fuzz_targets)
    add_executable(${name}_replay ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}.cpp
                                  ${CMAKE_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE lunea_core)
    lunea_own_target(${name}_replay)
    set(inputs ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
    if(EXISTS ${CMAKE_SOURCE_DIR}/tests/fuzz/regressions/${name})
        list(APPEND inputs ${CMAKE_SOURCE_DIR}/tests/fuzz/regressions/${name})
    endif()
    add_test(NAME FuzzReplay.${name} COMMAND ${name}_replay ${inputs})
endforeach()

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

# The program's pictures as bitmap files (LuneaDesktopSkin.bmp and one per
# image set), written into build/native/artwork at every build.
add_executable(export_artwork ${CMAKE_SOURCE_DIR}/components/art/export/export_artwork.cpp)
target_link_libraries(export_artwork PRIVATE lunea_core)
lunea_own_target(export_artwork)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/artwork/LuneaDesktopSkin.bmp
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/artwork
                   COMMAND export_artwork ${CMAKE_BINARY_DIR}/artwork
                   DEPENDS export_artwork)
add_custom_target(artwork ALL DEPENDS ${CMAKE_BINARY_DIR}/artwork/LuneaDesktopSkin.bmp)
