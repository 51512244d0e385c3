# Settings every target of the project's own code shares (not GoogleTest's).
function(lunea_own_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(LUNEA_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
    endif()
endfunction()

# Test sources of one folder; *_win_test.cpp only in the Windows build.
function(lunea_test_sources out folder)
    file(GLOB all CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
    set(kept)
    foreach(source IN LISTS all)
        if(WIN32 OR NOT source MATCHES "_win(_test)?\\.cpp$")
            list(APPEND kept ${source})
        endif()
    endforeach()
    set(${out} ${kept} PARENT_SCOPE)
endfunction()

# The fuzz targets, one per reader of outside data: tests/fuzz/NAME.cpp for
# each NAME ending in _fuzz.
function(lunea_fuzz_targets out)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
    set(names)
    foreach(source IN LISTS sources)
        get_filename_component(name ${source} NAME_WE)
        list(APPEND names ${name})
    endforeach()
    set(${out} ${names} PARENT_SCOPE)
endfunction()
