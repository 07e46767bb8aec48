# Shared by the mingw-w64 toolchain files; TV_MINGW_TRIPLE names the compiler.
# The posix-thread compilers are used: GoogleTest needs std::mutex, which the
# win32-thread ones lack.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TV_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${TV_MINGW_TRIPLE}-ar)
set(CMAKE_RANLIB ${TV_MINGW_TRIPLE}-ranlib)

set(CMAKE_FIND_ROOT_PATH /usr/${TV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# ctest runs the Windows test programs under Wine with a prefix of this build.
set(TV_WINE_PREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix used by the tests")
set(TV_MINGW_TRIPLE ${TV_MINGW_TRIPLE} CACHE INTERNAL "")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run;--prefix;${TV_WINE_PREFIX}")
