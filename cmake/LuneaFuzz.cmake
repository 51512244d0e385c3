# The libFuzzer targets (clang): the core instrumented for coverage, each
# target linked with the fuzzer's own main; scripts/fuzz.sh runs them.
set(LUNEA_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all
                          -fno-omit-frame-pointer)
target_compile_options(lunea_core PRIVATE ${LUNEA_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link -fno-sanitize-coverage=trace-cmp)

lunea_fuzz_targets(fuzz_targets)
foreach(name IN LISTS fuzz_targets)
    add_executable(${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}.cpp)
    target_link_libraries(${name} PRIVATE lunea_core)
    lunea_own_target(${name})
    # The properties compare whole tables: comparisons traced there would
    # only slow the fuzzer down.
    target_compile_options(${name} PRIVATE ${LUNEA_FUZZ_SANITIZERS} -fsanitize=fuzzer
                                           -fno-sanitize-coverage=trace-cmp)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
endforeach()
