# Shared part of the MinGW-w64 toolchains; TANZO_MINGW_TRIPLE is set by the caller.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TANZO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TANZO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TANZO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TANZO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No extra DLLs beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
