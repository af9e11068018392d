# The same sources for 64-bit Windows: the build whose tests run under Wine on hosts whose kernel
# cannot execute 32-bit programs (no IA-32 emulation), where 32-bit Wine cannot start.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
