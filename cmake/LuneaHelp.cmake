# The help file LuneaHelp.chm, compiled from help/ with chmcmd into bin/,
# where the program asks the shell to open it. chmcmd writes beside the
# project file, so the pages are compiled from a copy in the build tree.
find_program(LUNEA_CHMCMD chmcmd REQUIRED)
file(GLOB help_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*)
set(help_stage ${CMAKE_BINARY_DIR}/help)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/bin/LuneaHelp.chm
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_stage}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/help ${help_stage}
    COMMAND ${CMAKE_COMMAND} -E chdir ${help_stage} ${LUNEA_CHMCMD} --no-html-scan LuneaHelp.hhp
            > ${CMAKE_BINARY_DIR}/chmcmd.log
    COMMAND ${CMAKE_COMMAND} -E copy ${help_stage}/LuneaHelp.chm ${CMAKE_BINARY_DIR}/bin/LuneaHelp.chm
    DEPENDS ${help_sources}
    COMMENT "Compiling LuneaHelp.chm"
    VERBATIM)
add_custom_target(LuneaHelp ALL DEPENDS ${CMAKE_BINARY_DIR}/bin/LuneaHelp.chm)

# Every page and picture the project lists is in the compiled file, and
# every link between the pages finds its file.
add_test(NAME HelpContent
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/help/check_help.sh ${CMAKE_SOURCE_DIR}/help
                 ${CMAKE_BINARY_DIR}/bin/LuneaHelp.chm)

# The whole-program tests open it from beside the program.
if(TARGET lunea_program_tests)
    add_dependencies(lunea_program_tests LuneaHelp)
endif()
