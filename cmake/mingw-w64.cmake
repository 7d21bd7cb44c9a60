# Cross-building for 64-bit Windows with Debian's MinGW-w64 (POSIX threads,
# so std::thread and std::mutex work as on Linux).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SWARMFALL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SWARMFALL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SWARMFALL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${SWARMFALL_MINGW}-windres)

# Libraries and headers come from the MinGW-w64 folder and the folders the
# caller names in CMAKE_FIND_ROOT_PATH (the Windows libraries built by
# scripts/windows-deps), never from the build machine's own; programs do.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${SWARMFALL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread are linked in, so no compiler DLL has to
# travel with the game or with OpenAL32.dll.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
