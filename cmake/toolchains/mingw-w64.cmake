# Shared part of the mingw-w64 cross toolchains; the per-target files set
# TESVANT_MINGW_TRIPLE and the processor first.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: the core uses std::mutex, which the win32 model of
# this compiler lacks. Everything is linked statically, so the programs import
# system DLLs only.
set(CMAKE_C_COMPILER ${TESVANT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESVANT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TESVANT_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TESVANT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
