# 32-bit Windows, the deliverable: built and checked here, never run (this
# machine cannot execute 32-bit code).
set(TESVANT_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
