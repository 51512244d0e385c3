# The help file LuneaHelp.chm, compiled from help/ with chmcmd into bin/,
# where the program asks the shell to open it. chmcmd writes beside the
# project file, so the pages are compiled from a copy in the build tree.
find_program(LUNEA_CHMCMD chmcmd REQUIRED)
file(GLOB help_sources LIST_DIRECTORIES false CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(help_stage ${CMAKE_BINARY_DIR}/help)

# The pictures come from the program's painters and renderers: the
# native build links them from the core; the cross build compiles them for
# the host in a build of its own, from a clean build directory as well.
# ImageMagick lays the month's and the chart's texts over their bitmaps.
find_program(LUNEA_CONVERT convert REQUIRED)
set(help_pictures Icons.bmp Status.bmp Bells.bmp Month.png Chart.png)
set(picture_dir ${CMAKE_BINARY_DIR}/help-pictures)
if(NOT CMAKE_CROSSCOMPILING)
    add_executable(paint_help_pictures ${CMAKE_SOURCE_DIR}/help/pictures/paint_help_pictures.cpp)
    target_link_libraries(paint_help_pictures PRIVATE lunea_core)
    lunea_own_target(paint_help_pictures)
    set(picture_tool $<TARGET_FILE:paint_help_pictures>)
    set(picture_tool_depends paint_help_pictures)
else()
    set(host_build ${CMAKE_BINARY_DIR}/help-pictures-host)
    set(picture_tool ${host_build}/paint_help_pictures)
    # The tool's file too: a rebuilt tool repaints the pictures.
    set(picture_tool_depends help_picture_tool ${picture_tool})
    add_custom_target(help_picture_tool
        COMMAND env -u CXX -u CXXFLAGS -u LDFLAGS ${CMAKE_COMMAND} -S ${CMAKE_SOURCE_DIR}/help/pictures
                -B ${host_build} -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++
                -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER} > ${CMAKE_BINARY_DIR}/help-pictures-host.log
        COMMAND ${CMAKE_COMMAND} --build ${host_build} >> ${CMAKE_BINARY_DIR}/help-pictures-host.log
        BYPRODUCTS ${picture_tool}
        COMMENT "Building the help's picture tool for the host"
        VERBATIM)
endif()
list(TRANSFORM help_pictures PREPEND ${picture_dir}/ OUTPUT_VARIABLE picture_files)
add_custom_command(
    OUTPUT ${picture_files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${picture_dir}
    COMMAND ${picture_tool} ${picture_dir}
    COMMAND ${LUNEA_CONVERT} mvg:${picture_dir}/Month.mvg ${picture_dir}/Month.png
    COMMAND ${LUNEA_CONVERT} mvg:${picture_dir}/Chart.mvg ${picture_dir}/Chart.png
    DEPENDS ${picture_tool_depends}
    COMMENT "Painting the help's pictures"
    VERBATIM)

add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/bin/LuneaHelp.chm
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_stage}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/help ${help_stage}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_stage}/pictures
    COMMAND ${CMAKE_COMMAND} -E copy ${picture_files} ${help_stage}
    COMMAND ${CMAKE_COMMAND} -E chdir ${help_stage} ${LUNEA_CHMCMD} --no-html-scan LuneaHelp.hhp
            > ${CMAKE_BINARY_DIR}/chmcmd.log
    COMMAND ${CMAKE_COMMAND} -E copy ${help_stage}/LuneaHelp.chm ${CMAKE_BINARY_DIR}/bin/LuneaHelp.chm
    DEPENDS ${help_sources} ${picture_files}
    COMMENT "Compiling LuneaHelp.chm"
    VERBATIM)
add_custom_target(LuneaHelp ALL DEPENDS ${CMAKE_BINARY_DIR}/bin/LuneaHelp.chm)

# Every page and picture the project lists is in the compiled file, and
# every link between the pages finds its file.
add_test(NAME HelpContent
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/help/check_help.sh ${help_stage}
                 ${CMAKE_BINARY_DIR}/bin/LuneaHelp.chm)

# The whole-program tests open it from beside the program.
if(TARGET lunea_program_tests)
    add_dependencies(lunea_program_tests LuneaHelp)
endif()
