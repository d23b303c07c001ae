# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (GCC, posix thread model).
#
# The posix thread model gives std::thread and std::mutex, which Qt needs; "-static" links the
# compiler's run-time libraries into each program, so zelvik.exe needs only Windows' own DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZELVIK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZELVIK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZELVIK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELVIK_MINGW_TRIPLET}-windres)
# The gcc- wrappers understand the LTO objects plain ar and ranlib cannot read.
set(CMAKE_AR ${ZELVIK_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${ZELVIK_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "Indexer")

# Libraries, headers and CMake packages come from the Windows sysroot only; programs run here.
set(CMAKE_FIND_ROOT_PATH /usr/${ZELVIK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
