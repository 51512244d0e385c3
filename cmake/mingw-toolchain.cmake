# What both MinGW-w64 cross toolchains share (posix threads, so GoogleTest
# and std::thread work); the including file sets CMAKE_SYSTEM_PROCESSOR,
# LUNEA_MINGW_TRIPLE and its Wine runner.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${LUNEA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUNEA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LUNEA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LUNEA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every Windows program (tests included) runs under Wine; the environment
# (prefix, display, server) is prepared by scripts/wine-env.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/${LUNEA_WINE_RUNNER})
