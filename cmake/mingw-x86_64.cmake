# The same sources as 64-bit Windows programs: used to run the Windows tests
# on hosts whose kernel cannot execute 32-bit code (and so cannot run a
# 32-bit Wine).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TV_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
