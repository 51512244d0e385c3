# Cross toolchain: 64-bit Windows. Only for running the tests where the
# kernel runs no 32-bit programs, and so no 32-bit Wine: the same sources,
# under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LUNEA_MINGW_TRIPLE x86_64-w64-mingw32)
set(LUNEA_WINE_RUNNER wine64-run.sh)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
