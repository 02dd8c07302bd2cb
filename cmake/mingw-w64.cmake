# Cross build for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# flavour, which std::thread and std::mutex need):
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKP_BUILD_GUI=OFF
# Libraries built for the target are named by their package folders
# (-DGTest_DIR=...); scripts/windows-check.sh builds GoogleTest so.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KP_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KP_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KP_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KP_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KP_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The executables carry the compiler's runtime (libstdc++, libgcc,
# winpthread) instead of needing its DLLs next to them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# What the build itself runs (ctest) runs under wine.
find_program(KP_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(KP_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KP_WINE})
endif()
