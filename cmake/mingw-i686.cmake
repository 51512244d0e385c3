# Cross toolchain: 32-bit Windows, the deliverables' own.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LUNEA_MINGW_TRIPLE i686-w64-mingw32)
set(LUNEA_WINE_RUNNER wine-run.sh)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
