# Windows build (i686): the two deliverables, the test stand-ins and the
# tests, all run under Wine through the cross-compiling emulator.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

set(LUNEA_WIN_LIBS gdi32 user32 comctl32 comdlg32 shell32 shlwapi advapi32 ole32 oleaut32
                   uuid winspool msimg32)

# Win32 services both deliverables use (the file system behind the one-step
# file replace).
add_library(lunea_win32 STATIC ${LUNEA_WIN32_SOURCES})
target_link_libraries(lunea_win32 PUBLIC lunea_core)
lunea_own_target(lunea_win32)

# The desktop program's Win32 layer, kept as a library so the Windows unit
# tests can link it too.
add_library(lunea_shell STATIC ${LUNEA_SHELL_SOURCES})
target_link_libraries(lunea_shell PUBLIC lunea_win32 ${LUNEA_WIN_LIBS})
lunea_own_target(lunea_shell)

file(GLOB calendar_resources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/*.rc)
add_executable(LuneaCalendar WIN32 ${CMAKE_SOURCE_DIR}/app/program_win.cpp ${calendar_resources})
target_link_libraries(LuneaCalendar PRIVATE lunea_shell)
lunea_own_target(LuneaCalendar)

file(GLOB provider_resources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/provider/*.rc)
add_library(LuneaProvider SHARED ${LUNEA_PROVIDER_WIN_SOURCES} ${provider_resources}
                                 ${CMAKE_SOURCE_DIR}/provider/LuneaProvider.def)
set_target_properties(LuneaProvider PROPERTIES PREFIX "")
target_link_libraries(LuneaProvider PRIVATE lunea_win32 ${LUNEA_WIN_LIBS})
lunea_own_target(LuneaProvider)

# GoogleTest from the sources the Debian package ships, built with our flags
# but without our warnings.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# Every Wine process of the tests shares one server, registry and
# single-instance name: they run one at a time. The kill tests start the
# program hundreds of times: on two busy cores that takes minutes.
set(LUNEA_WINE_TEST_PROPERTIES RESOURCE_LOCK wine TIMEOUT 600)

# The organiser's user library, stood in for: UserData.dll in bin/<folder>,
# exporting what the .def file lists.
function(lunea_user_library_stand_in target folder def)
    add_library(${target} SHARED ${CMAKE_SOURCE_DIR}/tests/userdata/user_data_stand_in.cpp
                                 ${CMAKE_SOURCE_DIR}/tests/userdata/${def})
    set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME UserData
                          RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/${folder}
                          ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib/${folder})
    lunea_own_target(${target})
endfunction()
lunea_user_library_stand_in(UserDataStandIn userdata UserData.def)
# Without "UmGetUserDirectory".
lunea_user_library_stand_in(UserDataStandInIncomplete userdata-incomplete UserDataIncomplete.def)

lunea_test_sources(unit_sources unit)
add_executable(lunea_unit_tests ${unit_sources})
target_link_libraries(lunea_unit_tests PRIVATE lunea_shell gtest gtest_main gmock)
lunea_own_target(lunea_unit_tests)
add_dependencies(lunea_unit_tests UserDataStandIn UserDataStandInIncomplete)
add_test(NAME wine_unit_tests COMMAND lunea_unit_tests)
set_tests_properties(wine_unit_tests PROPERTIES ${LUNEA_WINE_TEST_PROPERTIES})

file(GLOB synchost_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/synchost/*.cpp)
if(synchost_sources)
    add_executable(LuneaSyncHost ${synchost_sources})
    target_link_libraries(LuneaSyncHost PRIVATE lunea_core ${LUNEA_WIN_LIBS})
    lunea_own_target(LuneaSyncHost)
endif()

# Prints the test page through the printing layer, for the printing tests.
add_executable(LuneaTestPage ${CMAKE_SOURCE_DIR}/tests/testpage/test_page_main.cpp)
target_link_libraries(LuneaTestPage PRIVATE lunea_shell)
lunea_own_target(LuneaTestPage)

lunea_test_sources(program_sources wine)
add_executable(lunea_program_tests ${program_sources})
target_include_directories(lunea_program_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(lunea_program_tests PRIVATE lunea_core gtest gtest_main gmock ${LUNEA_WIN_LIBS})
lunea_own_target(lunea_program_tests)
add_dependencies(lunea_program_tests LuneaCalendar LuneaProvider LuneaTestPage)
if(TARGET LuneaSyncHost)
    add_dependencies(lunea_program_tests LuneaSyncHost)
endif()
gtest_discover_tests(lunea_program_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                     PROPERTIES ${LUNEA_WINE_TEST_PROPERTIES})
